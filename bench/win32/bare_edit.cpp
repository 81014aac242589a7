// The yardstick of the Windows keystroke benchmark: a bare EDIT control in a window the size of
// the editor's main window, holding the same line the editor's benchmark types into, typed into
// and measured the same way (see bench_report.h).
#include <windows.h>

#include "bench_report.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  HWND window = vbe::bench::CreateYardstickWindow(instance, L"VbeBareEditWindow",
                                                  vbe::bench::BlankWindowProc);
  if (!window) return 1;
  HWND line_editor = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"   /\\_/\\    Vellmar",
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 16, 16,
                                     400, 24, window, nullptr, instance, nullptr);
  if (!line_editor) return 1;
  SendMessageW(line_editor, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
  return vbe::bench::ShowAndRun(window, show, line_editor);
}

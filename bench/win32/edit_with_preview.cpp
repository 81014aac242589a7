// The yardstick of the Windows keystroke benchmark: a bare EDIT control whose every change is
// copied into a second, read-only EDIT control, the least any live preview costs. The copy is a
// box of the preview's kind, place and size in the main window (multi-line, read-only). Typed
// into and measured as the editor is (see bench_report.h).
#include <windows.h>

#include "bench_report.h"

namespace {

HWND line_editor = nullptr;
HWND preview = nullptr;

// Copies the line editor's whole text into the preview on each change.
LRESULT CALLBACK EditWithPreviewProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE &&
      reinterpret_cast<HWND>(lparam) == line_editor && preview) {
    wchar_t text[256];
    GetWindowTextW(line_editor, text, 256);
    SetWindowTextW(preview, text);
    return 0;
  }
  return vbe::bench::BlankWindowProc(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  HWND window =
      vbe::bench::CreateYardstickWindow(instance, L"VbeEditWithPreviewWindow", EditWithPreviewProc);
  if (!window) return 1;
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  preview = CreateWindowExW(
      0, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_READONLY, 372,
      288, 293, 125, window, nullptr, instance, nullptr);
  line_editor = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 16, 16, 400,
                                24, window, nullptr, instance, nullptr);
  if (!preview || !line_editor) return 1;
  SendMessageW(preview, WM_SETFONT, font, FALSE);
  SendMessageW(line_editor, WM_SETFONT, font, FALSE);
  SetWindowTextW(line_editor, L"   /\\_/\\    Vellmar");  // copied into the preview as well
  return vbe::bench::ShowAndRun(window, show, line_editor);
}

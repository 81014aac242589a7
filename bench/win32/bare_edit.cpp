// The yardstick of the Windows keystroke benchmark: a bare EDIT control in a window the size of
// the editor's main window, holding the same line the editor's benchmark types into, typed into
// and measured the same way (see bench_report.h).
#include <windows.h>

#include "bench_report.h"
#include "win32/resources/resource_ids.h"

namespace {

HWND line_editor = nullptr;

LRESULT CALLBACK BareEditWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      vbe::bench::FirstFrameDone(window);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = BareEditWindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(VBE_IDI_APP));
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"VbeBareEditWindow";
  if (!RegisterClassExW(&window_class)) return 1;
  HWND window = vbe::bench::CreateSizedWindow(L"VbeBareEditWindow", L"Vellmar Bind Editor", 696,
                                              447, instance);
  if (!window) return 1;
  line_editor = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"   /\\_/\\    Vellmar",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 16, 16, 400,
                                24, window, nullptr, instance, nullptr);
  if (!line_editor) return 1;
  SendMessageW(line_editor, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
  ShowWindow(window, show);
  UpdateWindow(window);
  if (const int keystrokes = vbe::bench::KeystrokesAsked(); keystrokes > 0) {
    vbe::bench::RunKeystrokes(window, line_editor, keystrokes);
  }
  SetFocus(line_editor);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

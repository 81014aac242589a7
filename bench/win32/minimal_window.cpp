// The yardstick of the Windows start-up benchmark: the least a Win32 program can show, one line
// of text in a window the size of the editor's main window, started and measured like the editor.
#include <windows.h>

#include "bench_report.h"

namespace {

LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return vbe::bench::BlankWindowProc(window, message, wparam, lparam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, L"Vellmar Bind Editor", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EndPaint(window, &paint);
  vbe::bench::FirstFrameDone(window);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  HWND window = vbe::bench::CreateYardstickWindow(instance, L"VbeMinimalWindow", MinimalWindowProc);
  if (!window) return 1;
  return vbe::bench::ShowAndRun(window, show);
}

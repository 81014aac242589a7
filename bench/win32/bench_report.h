#pragma once

// How the Windows benchmark programs report to the runner on the build machine, header-only so
// that each yardstick carries nothing but itself:
// - VBE_REPORT_FIRST_FRAME set: once the first WM_PAINT of the main window is done (EndPaint
//   returned) and its child controls have painted too, the line "first-frame" goes to standard
//   output and the process ends with exit code 0.
// - VBE_KEYSTROKE_BENCH=N: after the window is shown, N keystrokes go to the line editor (a
//   letter, then Backspace, alternately); each is timed from before SendMessageW(WM_CHAR) until
//   RedrawWindow has painted every window that changed; the line "keystroke-median-us M" (M the
//   median in microseconds) goes to standard output and the process ends with exit code 0.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "win32/resources/resource_ids.h"

namespace vbe::bench {

// Standard output through the handle Windows gives the process, so the line reaches the runner
// from a GUI program too, without the C library's buffering.
inline void SayLine(const char* line) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr);
  WriteFile(out, "\n", 1, &written, nullptr);
  FlushFileBuffers(out);
}

inline bool FirstFrameAsked() {
  return GetEnvironmentVariableW(L"VBE_REPORT_FIRST_FRAME", nullptr, 0) > 0;
}

// Called at the end of the main window's WM_PAINT, after EndPaint. The children paint after
// their parent, so they are painted here before the frame counts as shown.
inline void FirstFrameDone(HWND window) {
  static bool reported = false;
  if (reported || !FirstFrameAsked()) return;
  reported = true;
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  SayLine("first-frame");
  ExitProcess(0);
}

// The number of keystrokes asked for, 0 when none.
inline int KeystrokesAsked() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"VBE_KEYSTROKE_BENCH", value, 16);
  if (length == 0 || length >= 16) return 0;
  return std::max(0, _wtoi(value));
}

// Types into `editor` and measures each keystroke until `window` and its children are painted.
inline void RunKeystrokes(HWND window, HWND editor, int keystrokes) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  SetFocus(editor);
  const int end = GetWindowTextLengthW(editor);
  SendMessageW(editor, EM_SETSEL, end, end);
  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(keystrokes));
  for (int i = 0; i < keystrokes; ++i) {
    const wchar_t key = i % 2 == 0 ? L'x' : L'\b';  // the line stays as short as it started
    LARGE_INTEGER start, done;
    QueryPerformanceCounter(&start);
    SendMessageW(editor, WM_CHAR, key, 1);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&done);
    micros.push_back(double(done.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart));
  }
  std::sort(micros.begin(), micros.end());
  const std::size_t n = micros.size();
  const double median = n == 0  ? 0
                        : n % 2 ? micros[n / 2]
                                : (micros[n / 2 - 1] + micros[n / 2]) / 2;
  char line[64];
  std::snprintf(line, sizeof line, "keystroke-median-us %.2f", median);
  SayLine(line);
  ExitProcess(0);
}

// The window procedure of a yardstick that paints nothing of its own: its first painted frame
// is reported as the editor's is, and closing it ends the program.
inline LRESULT CALLBACK BlankWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      FirstFrameDone(window);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

// A yardstick's main window, of its own class with `procedure`, titled as the editor's, with the
// editor's icon and a client area the size of the editor's main window (696 by 447 pixels).
inline HWND CreateYardstickWindow(HINSTANCE instance, const wchar_t* class_name,
                                  WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(VBE_IDI_APP));
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = class_name;
  if (!RegisterClassExW(&window_class)) return nullptr;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 696, 447};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  return CreateWindowExW(0, class_name, L"Vellmar Bind Editor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         instance, nullptr);
}

// Shows a yardstick's window, types into `typing_target` when keystrokes are asked for, and runs
// the window's messages until it is closed.
inline int ShowAndRun(HWND window, int show, HWND typing_target = nullptr) {
  ShowWindow(window, show);
  UpdateWindow(window);
  if (typing_target) {
    if (const int keystrokes = KeystrokesAsked(); keystrokes > 0) {
      RunKeystrokes(window, typing_target, keystrokes);
    }
    SetFocus(typing_target);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace vbe::bench

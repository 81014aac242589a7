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

// A window whose client area is `width` by `height` pixels at the window's DPI.
inline HWND CreateSizedWindow(const wchar_t* class_name, const wchar_t* title, int width,
                              int height, HINSTANCE instance) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  return CreateWindowExW(0, class_name, title, style, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         instance, nullptr);
}

}  // namespace vbe::bench

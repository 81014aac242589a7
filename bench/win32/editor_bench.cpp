// The editor's Windows program as the benchmarks start it: the same windows and message loop,
// which also report the first painted frame or time keystrokes in line 4, as bench_report.h
// says. The installed program carries no such hook.
#include <windows.h>

#include "bench_report.h"
#include "forms/main_window.h"
#include "win32/control_table.h"
#include "win32/editor_app.h"
#include "win32/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  return vbe::RunEditor(instance, show, [](vbe::Form1& form1) {
    const HWND window = form1.Window();
    if (const int keystrokes = vbe::bench::KeystrokesAsked(); keystrokes > 0) {
      form1.Behaviour().SetLine(4, "   /\\_/\\    Vellmar");
      vbe::bench::RunKeystrokes(
          window, vbe::FindControl(window, vbe::MainWindowControls(), "Text4"), keystrokes);
    }
    // Show() has painted the window and its controls; count the frame once it is on screen.
    UpdateWindow(window);
    vbe::bench::FirstFrameDone(window);
  });
}

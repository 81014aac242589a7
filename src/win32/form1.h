#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "platform/drive_table.h"
#include "sound/audio_commands.h"
#include "win32/control_table.h"
#include "win32/win32_dialogs.h"

namespace vbe {

class Form2;
class Form3;

// The editor's main window: the controls of its table, the view its behaviour (app/) reads and
// sets, and every event of the controls forwarded there. The window is created hidden; Show()
// shows it.
class Form1 : public MainWindowView {
 public:
  explicit Form1(Form1Host host);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND Window() const { return window_; }
  void Show(int show_command);
  MainWindow& Behaviour() { return behaviour_; }

  // Lays the window out at the largest scale up to `dpi` (its monitor's) at which it fits
  // `work`, the work area of its monitor, and moves it inside there: to `at`, its outer
  // top-left corner, where given, else to the middle. The window takes its monitor's work area
  // at start and on moving to a monitor of another DPI; tests give one of their own.
  void FitInto(const RECT& work, UINT dpi, const POINT* at = nullptr);

  // The open secondary windows; null when closed.
  HWND LocatorWindowHandle() const;
  HWND ReadMeWindowHandle() const;
  // MainWindowView
  bool IsOpen(SecondaryWindow window) const override;
  bool IsMinimised(SecondaryWindow window) const override;
  void Open(SecondaryWindow window) override;
  void Restore(SecondaryWindow window) override;
  void Raise(SecondaryWindow window) override;
  void Close(SecondaryWindow window) override;
  void HideMainWindow() override;
  void WaitForExitCue(std::chrono::milliseconds wait) override;
  void EndProgram() override { end_program_(); }
  void Beep() override { beep_(); }

 private:
  template <typename Form>
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void WindowGone() { window_ = nullptr; }
  void BuildControls();
  void OnCommand(HWND control, int code);
  void OnDropFiles(HDROP drop);
  LRESULT OnControlColour(HDC dc, HWND control, LRESULT standard);
  void DrawPictureButton(const DRAWITEMSTRUCT& item);
  void Paint();
  void MakeButtonIcons(int scale);
  HWND SecondaryHandle(SecondaryWindow window) const;

  DriveTable drives_;
  Win32UserDialogs common_dialog_;
  LazyAudioCommands own_audio_;
  std::function<void()> end_program_;
  ControlSet controls_;
  std::function<void()> beep_;
  MainWindow behaviour_;

  HWND window_ = nullptr;
  HWND combo_edit_ = nullptr;
  HWND last_focus_ = nullptr;
  SolidBrushes brushes_;
  // The system's colours, read again when the scheme or high contrast changes: every control
  // asks for its colours on each paint.
  SystemColours system_colours_;
  std::vector<std::pair<HWND, HICON>> button_icons_;
  int icon_scale_ = 0;  // the artwork scale of the button icons
  std::unique_ptr<Form2> locator_;
  std::unique_ptr<Form3> readme_;
};

}  // namespace vbe

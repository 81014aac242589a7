#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "commands/operations.h"
#include "core/bind_document.h"
#include "platform/drive_table.h"
#include "sound/audio_commands.h"
#include "win32/control_table.h"
#include "win32/win32_dialogs.h"

namespace vbe {

class Form2;
class Form3;

// The editor's main window. It holds the one bind in its controls and is the document the
// operations work on. The window is created hidden; Show() shows it.
class Form1 : public BindDocument {
 public:
  explicit Form1(Form1Host host);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND Window() const { return window_; }
  void Show(int show_command);

  std::string Line(int number) const override;
  void SetLine(int number, const std::string& text) override;
  void ReplaceFirstCharacter(int number, char character) override;
  TextColour Colour() const override;
  void SetColour(TextColour colour) override;
  std::string Key() const override;
  bool AddToAutoexec() const override;
  std::string AutoexecFolder() const override;
  std::filesystem::path FileName() const override { return file_name_; }
  void SetFileName(const std::filesystem::path& file_name) override { file_name_ = file_name; }

  // Text15, which only the locator window changes.
  void SetAutoexecFolder(const std::string& folder);
  // Opens the locator window, or brings the open one to the front.
  void ShowLocator();
  // Opens the read-me window, or brings the open one to the front.
  void ShowReadMe();
  // Plays the exit cue and ends the program at once, without questions.
  void ExitProgram();
  // Opens the bind file the program was started with; a relative name is taken from the current
  // folder. Call it once the window is shown, so that a box saying why the file cannot be read
  // stands over the window.
  void OpenFromCommandLine(const std::filesystem::path& named);
  // Shows the eight lines in the preview box, in the colour of the selected option.
  void ComposePreview();

  // The open secondary windows; null when closed.
  HWND LocatorWindowHandle() const;
  HWND ReadMeWindowHandle() const;
  COLORREF PreviewColour() const { return preview_colour_; }
  bool AudioStarted() const { return own_audio_.Created(); }

 private:
  template <typename Form>
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void WindowGone() { window_ = nullptr; }
  void BuildControls();
  void LoadMainWindow();
  void OnCommand(HWND control, int code);
  LRESULT OnControlColour(HDC dc, HWND control, LRESULT standard);
  void DrawPictureButton(const DRAWITEMSTRUCT& item);
  void Paint();
  void ApplyDpi(UINT dpi);
  int Check1Value() const;
  void SetPreviewColour(COLORREF colour);
  // Auto Preview's answer to a change in the editor of line `number`.
  void FollowLineChange(int number);
  HWND Control(const char* name) const;

  DriveTable drives_;
  Win32UserDialogs common_dialog_;
  LazyAudioCommands own_audio_;
  EditorServices editor_;
  std::function<void()> end_program_;
  std::filesystem::path file_name_;
  bool exiting_ = false;
  bool preview_current_ = false;  // the preview shows the full composition of the lines

  HWND window_ = nullptr;
  ControlSet controls_;
  std::array<HWND, LineCount> line_editors_{};
  HWND option1_ = nullptr, option2_ = nullptr, combo1_ = nullptr, check1_ = nullptr,
       check2_ = nullptr, text14_ = nullptr, text15_ = nullptr, command5_ = nullptr;
  HWND last_focus_ = nullptr;
  COLORREF preview_colour_;
  HBRUSH ground_brush_ = nullptr;
  HICON window_icon_ = nullptr;
  std::array<HICON, 3> button_icons_{};
  std::unique_ptr<Form2> locator_;
  std::unique_ptr<Form3> readme_;
};

}  // namespace vbe

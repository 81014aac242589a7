#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "commands/locator_commands.h"
#include "commands/user_dialogs.h"
#include "platform/drive_table.h"
#include "win32/control_table.h"

namespace vbe {

// What the locator window is given by the main window.
struct Form2Host {
  const DriveTable& drives;
  UserDialogs& dialogs;
  // Writes the chosen folder into the main window's Text15.
  std::function<void(const std::string&)> set_autoexec_folder;
  HWND owner;  // the main window: the locator opens centred over it and stays above it
};

// The locator window: a drive list (Drive1) and a folder list (Dir1) from which the user picks
// the folder of the game's autoexec.cfg. It is modeless; closing it destroys its window.
class Form2 : public LocatorWindow {
 public:
  explicit Form2(Form2Host host);
  ~Form2() override;
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  HWND Window() const { return window_; }
  bool IsOpen() const { return window_ != nullptr; }
  // Shows the window, restored if minimised, in front of the others.
  void ShowInFront();

  std::string ShownDrive() const override;
  std::string CurrentFolder() const override { return current_folder_; }
  bool OpenFolder(const std::string& folder) override;
  void SetAutoexecFolder(const std::string& folder) override;
  void CloseLocator() override;

 private:
  template <typename Form>
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void WindowGone() { window_ = nullptr; }
  void ShowFolder(const std::string& folder, const std::vector<std::string>& subfolders);
  void OpenSelectedFolder();
  void ApplyDpi(UINT dpi);
  void DrawFolderItem(const DRAWITEMSTRUCT& item);

  const DriveTable& drives_;
  UserDialogs& dialogs_;
  std::function<void(const std::string&)> set_autoexec_folder_;
  std::string current_folder_;
  struct FolderItem {
    std::string folder;  // the whole path
    int depth;           // 0 for the drive's root
    bool open;           // one of the open folders, not a subfolder of the last
  };
  std::vector<FolderItem> items_;  // Dir1's items, in order
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  HWND drive1_ = nullptr, dir1_ = nullptr;
  HWND last_focus_ = nullptr;
  ControlSet controls_;
};

}  // namespace vbe

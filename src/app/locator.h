#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/controls.h"
#include "commands/locator_commands.h"
#include "forms/layout.h"

namespace vbe {

// The locator window itself as its behaviour uses it; its controls are the window's Controls.
// The folder list Dir1 shows the open folders from the drive's root down (the root as "c:\",
// any other by its own name), each one step further in than the one above, then the subfolders
// of the last.
class LocatorView {
 public:
  virtual ~LocatorView() = default;
  // Closes the window, which is then gone.
  virtual void CloseWindow() = 0;
};

// The locator window's behaviour: the user picks the folder of autoexec.cfg from the drives
// and folders, and "&Ok" puts it into the main window's Text15.
class Locator : public LocatorWindow {
 public:
  Locator(LocatorView& view, Controls& controls, const DriveTable& drives, UserDialogs& dialogs,
          std::function<void(const std::string&)> set_autoexec_folder);

  // The load step: the drives, and the folder the locator starts in (the process's current
  // folder, else the first drive's root), which is shown even when it cannot be entered.
  void Load();
  // The events of the window's controls; an exception inside one is shown as "The command
  // stopped" and the window goes on.
  void OnCommand(LocatorCommand command);

  // LocatorWindow
  std::string ShownDrive() const override;
  std::string CurrentFolder() const override { return current_folder_; }
  bool OpenFolder(const std::string& folder) override;
  void SetAutoexecFolder(const std::string& folder) override;
  void CloseLocator() override { view_.CloseWindow(); }

 private:
  void RunCommand(LocatorCommand command);
  void ShowFolder(const std::string& folder, const std::vector<std::string>& subfolders);
  void OpenHighlightedFolder();

  LocatorView& view_;
  Controls& controls_;
  const DriveTable& drives_;
  UserDialogs& dialogs_;
  std::function<void(const std::string&)> set_autoexec_folder_;
  std::string current_folder_;
  std::vector<std::string> row_folders_;  // the whole path of each row of Dir1
};

}  // namespace vbe

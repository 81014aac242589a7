#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "commands/locator_commands.h"
#include "forms/layout.h"

namespace vbe {

// One row of the folder list Dir1: the open folders from the drive's root down, each one step
// further in than the one above, then the subfolders of the last.
struct FolderRow {
  std::u16string name;  // the drive's root as "c:\", any other folder by its own name
  int depth;            // 0 for the drive's root
  bool open;            // one of the open folders, not a subfolder of the last
  bool operator==(const FolderRow&) const = default;
};

// The locator window's controls as its behaviour reads and sets them.
class LocatorView {
 public:
  virtual ~LocatorView() = default;

  // Fills the drive list Drive1 ("c:", ...) with `selected` shown; filling it sends no change.
  virtual void ShowDrives(std::span<const std::u16string> drives, int selected) = 0;
  // The drive Drive1 shows.
  virtual std::u16string ShownDrive() const = 0;
  // Replaces the rows of Dir1 and highlights row `selected`.
  virtual void ShowFolders(std::span<const FolderRow> rows, int selected) = 0;
  // The highlighted row of Dir1; -1 when none is.
  virtual int HighlightedFolder() const = 0;
  // Closes the window, which is then gone.
  virtual void CloseWindow() = 0;
};

// The locator window's behaviour: the user picks the folder of autoexec.cfg from the drives
// and folders, and "&Ok" puts it into the main window's Text15.
class Locator : public LocatorWindow {
 public:
  Locator(LocatorView& view, const DriveTable& drives, UserDialogs& dialogs,
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
  const DriveTable& drives_;
  UserDialogs& dialogs_;
  std::function<void(const std::string&)> set_autoexec_folder_;
  std::string current_folder_;
  std::vector<std::string> row_folders_;  // the whole path of each row of Dir1
};

}  // namespace vbe

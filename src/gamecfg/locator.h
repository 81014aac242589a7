#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/user_dialogs.h"
#include "platform/drive_table.h"

namespace vbe {

// What the locator's actions read and change: the window's drive list Drive1, its folder list
// Dir1 and the main window's folder box Text15. The locator window implements it over its
// controls.
class LocatorWindow {
 public:
  virtual ~LocatorWindow() = default;

  // The drive Drive1 shows, as "c:".
  virtual std::string ShownDrive() const = 0;

  // Dir1's current folder, a Windows path; a drive's root ends with its backslash ("c:\").
  // Highlighting a folder in the list does not change it; opening one does.
  virtual std::string CurrentFolder() const = 0;

  // Makes `folder` Dir1's current folder and lists its subfolders. False, with Dir1 as it was,
  // when the folder cannot be entered.
  virtual bool OpenFolder(const std::string& folder) = 0;

  // Sets the whole text of the main window's Text15.
  virtual void SetAutoexecFolder(const std::string& folder) = 0;

  virtual void CloseLocator() = 0;
};

struct LocatorServices {
  LocatorWindow& window;
  UserDialogs& dialogs;
  const DriveTable& drives;
};

// The change action of Drive1: Dir1 goes to the current folder of the drive now shown. A drive
// that cannot be entered is reported, and Dir1 stays where it was.
void ChangeLocatorDrive(LocatorServices& locator);

// The action of "&Ok": proves that autoexec.cfg opens in Dir1's current folder, the two joined
// as they stand, then writes the folder (not the file) into Text15 and closes the window. When
// the file cannot be opened the user is told so and nothing changes.
void LocateAutoexecFolder(LocatorServices& locator);

// The process's current folder as a Windows path; nothing when it lies on no drive.
std::optional<std::string> ProcessFolder(const DriveTable& drives);

// The folder a drive is entered at: the process's current folder when it lies on that drive,
// else the drive's root. `drive` begins with the drive letter ("c:").
std::string DriveCurrentFolder(const DriveTable& drives, std::string_view drive);

// Where the locator starts: the process's current folder, else the root of the first drive;
// empty when the table has no drive.
std::string LocatorStartFolder(const DriveTable& drives);

// The folders from the drive's root down to `folder`, each a whole path:
// "c:\", "c:\Program Files", "c:\Program Files\Vellmar". Empty when `folder` names no drive.
std::vector<std::string> FolderSteps(std::string_view folder);

// A subfolder's path: the folder, a backslash unless it ends with one, and the name.
std::string SubfolderPath(std::string_view folder, std::string_view name);

// The names of a folder's subfolders, without regard to case in name order. Left out are
// names the code page cannot write (the game could not reach them) and names that begin with
// a dot, which are hidden on the host. Nothing when the folder cannot be entered.
std::optional<std::vector<std::string>> ListSubfolders(const DriveTable& drives,
                                                       std::string_view folder);

}  // namespace vbe

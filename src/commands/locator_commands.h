#pragma once

#include <string>

#include "commands/user_dialogs.h"
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

// The change action of Drive1: Dir1 goes to the current folder of the drive now shown. A drive
// that cannot be entered is reported, and Dir1 stays where it was.
void ChangeLocatorDrive(LocatorWindow& window, const DriveTable& drives, UserDialogs& dialogs);

// The action of "&Ok": proves that autoexec.cfg opens in Dir1's current folder, the two joined
// as they stand, then writes the folder (not the file) into Text15 and closes the window. When
// the file cannot be opened the user is told so and nothing changes.
void LocateAutoexecFolder(LocatorWindow& window, const DriveTable& drives, UserDialogs& dialogs);

}  // namespace vbe

#include "commands/locator_commands.h"

#include "gamecfg/locator.h"
#include "platform/file_io.h"
#include "platform/folders.h"

namespace vbe {

void ChangeLocatorDrive(LocatorWindow& window, const DriveTable& drives, UserDialogs& dialogs) {
  const std::string folder = DriveCurrentFolder(ProcessFolder(drives), window.ShownDrive());
  if (!window.OpenFolder(folder)) {
    dialogs.ShowMessage("Device is unavailable", "Drive Error",
                        MessageStyle::Stop + MessageStyle::OkOnly);
  }
}

void LocateAutoexecFolder(LocatorWindow& window, const DriveTable& drives, UserDialogs& dialogs) {
  const std::string folder = window.CurrentFolder();
  const auto host = drives.ToHostPath(LocatorTestPath(folder));
  if (!host || !CanOpenForReading(*host)) {
    dialogs.ShowMessage("Sorry, can't find the autoexec.cfg file in that folder", "File not found",
                        MessageStyle::Stop + MessageStyle::OkOnly);
    return;
  }
  window.SetAutoexecFolder(folder);
  window.CloseLocator();
}

}  // namespace vbe

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_table.h"

namespace vbe {

// The folder a drive is entered at: the process's current folder when it lies on that drive,
// else the drive's root. `drive` begins with the drive letter ("c:").
std::string DriveCurrentFolder(const std::optional<std::string>& process_folder,
                               std::string_view drive);

// Where the locator starts: the process's current folder, else the root of the first drive;
// empty when the table has no drive.
std::string LocatorStartFolder(const std::optional<std::string>& process_folder,
                               const DriveTable& drives);

// The folders from the drive's root down to `folder`, each a whole path:
// "c:\", "c:\Program Files", "c:\Program Files\Vellmar". Empty when `folder` names no drive.
std::vector<std::string> FolderSteps(std::string_view folder);

// A subfolder's path: the folder, a backslash unless it ends with one, and the name.
std::string SubfolderPath(std::string_view folder, std::string_view name);

// The file the locator's Ok opens: the folder and "\autoexec.cfg" joined as they stand, so a
// root folder's own backslash stays beside the added one.
std::string LocatorTestPath(std::string_view folder);

}  // namespace vbe

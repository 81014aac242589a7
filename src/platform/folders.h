#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_table.h"

namespace vbe {

// The process's current folder as a Windows path; nothing when it lies on no drive.
std::optional<std::string> ProcessFolder(const DriveTable& drives);

// The names of a folder's subfolders (the folder a Windows path), without regard to case in
// name order. Left out are names the code page cannot write (the game could not reach them)
// and names that begin with a dot, which are hidden on the host. Nothing when the folder
// cannot be entered.
std::optional<std::vector<std::string>> ListSubfolders(const DriveTable& drives,
                                                       std::string_view folder);

}  // namespace vbe

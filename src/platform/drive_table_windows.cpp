#include <windows.h>

#include "platform/drive_table.h"

namespace vbe {

// The host's own drives: each drive letter is its own root folder.
DriveTable DriveTable::ForThisHost() {
  DriveTable table;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (mask & (1u << i)) {
      const wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', L'\0'};
      table.SetDrive(static_cast<char>('a' + i), std::filesystem::path(root));
    }
  }
  return table;
}

}  // namespace vbe

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vbe {

// The game speaks Windows paths ("c:\program files\Vellmar\main"). On Windows these are the
// host's own paths; elsewhere the game runs in a Wine prefix and each drive letter stands for a
// host folder, as the prefix's dosdevices/ says. Windows paths are Windows-1252 bytes; host
// paths are UTF-8.
class DriveTable {
 public:
  struct Drive {
    char letter;                   // 'a' to 'z'
    std::filesystem::path folder;  // the host folder the drive stands for
  };

  // The drives of a Wine prefix: each dosdevices/ entry named like "c:" is that drive's folder;
  // "z:" is "/" when the prefix names none. Without a prefix "z:" is the only drive.
  static DriveTable FromWinePrefix(const std::filesystem::path& prefix);

  // The drives of this machine: the host's own on Windows, else those of $WINEPREFIX or ~/.wine.
  static DriveTable ForThisHost();

  void SetDrive(char letter, const std::filesystem::path& folder);
  const std::vector<Drive>& Drives() const { return drives_; }
  const Drive* Find(char letter) const;

  // The host file a Windows path names. The drive letter may be in either case; each name is
  // matched exactly, else without regard to case among the entries of its folder ("program
  // files" finds "Program Files"); a name that does not exist is used as written, so new files
  // can be created. "\" and "/" both separate. Nothing when the path names no drive of the table.
  std::optional<std::filesystem::path> ToHostPath(std::string_view windows_path) const;

  // The Windows path of a host path, through the drive whose folder is its longest prefix.
  // Nothing when no drive holds it or its name cannot be written in the code page.
  std::optional<std::string> ToWindowsPath(const std::filesystem::path& host_path) const;

 private:
  std::vector<Drive> drives_;  // sorted by letter
};

}  // namespace vbe

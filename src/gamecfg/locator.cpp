#include "gamecfg/locator.h"

#include <cctype>

#include "gamecfg/autoexec.h"

namespace vbe {
namespace {

char LowerLetter(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string DriveRoot(char letter) {
  return std::string(1, LowerLetter(letter)) + ":\\";
}

}  // namespace

std::string DriveCurrentFolder(const std::optional<std::string>& process_folder,
                               std::string_view drive) {
  if (drive.empty()) return {};
  if (process_folder && !process_folder->empty() &&
      LowerLetter(process_folder->front()) == LowerLetter(drive.front())) {
    return *process_folder;
  }
  return DriveRoot(drive[0]);
}

std::string LocatorStartFolder(const std::optional<std::string>& process_folder,
                               const DriveTable& drives) {
  if (process_folder) return *process_folder;
  if (drives.Drives().empty()) return {};
  return DriveRoot(drives.Drives().front().letter);
}

std::vector<std::string> FolderSteps(std::string_view folder) {
  if (folder.size() < 2 || folder[1] != ':') return {};
  std::vector<std::string> steps{DriveRoot(folder[0])};
  std::size_t start = 2;
  while (start < folder.size()) {
    std::size_t end = folder.find('\\', start);
    if (end == std::string_view::npos) end = folder.size();
    if (end > start) {
      steps.push_back(SubfolderPath(steps.back(), folder.substr(start, end - start)));
    }
    start = end + 1;
  }
  return steps;
}

std::string SubfolderPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string LocatorTestPath(std::string_view folder) {
  std::string path(folder);
  path += '\\';
  path += AutoexecFileName;
  return path;
}

}  // namespace vbe

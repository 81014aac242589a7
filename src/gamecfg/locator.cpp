#include "gamecfg/locator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "gamecfg/autoexec.h"
#include "platform/code_page.h"
#include "platform/file_io.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

char LowerLetter(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string DriveRoot(char letter) {
  return std::string(1, LowerLetter(letter)) + ":\\";
}

std::u32string FoldedName(std::string_view name) {
  std::u32string folded;
  for (const char c : name) folded += FoldCase(Cp1252ToUnicode(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

void ChangeLocatorDrive(LocatorServices& locator) {
  const std::string folder = DriveCurrentFolder(locator.drives, locator.window.ShownDrive());
  if (!locator.window.OpenFolder(folder)) {
    locator.dialogs.ShowMessage("Device is unavailable", "Drive Error",
                                MessageStyle::Stop + MessageStyle::OkOnly);
  }
}

void LocateAutoexecFolder(LocatorServices& locator) {
  const std::string folder = locator.window.CurrentFolder();
  const std::string test_path = folder + "\\" + std::string(AutoexecFileName);
  const auto host = locator.drives.ToHostPath(test_path);
  if (!host || !CanOpenForReading(*host)) {
    locator.dialogs.ShowMessage("Sorry, can't find the autoexec.cfg file in that folder",
                                "File not found", MessageStyle::Stop + MessageStyle::OkOnly);
    return;
  }
  locator.window.SetAutoexecFolder(folder);
  locator.window.CloseLocator();
}

std::optional<std::string> ProcessFolder(const DriveTable& drives) {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  if (ec) return std::nullopt;
  return drives.ToWindowsPath(current);
}

std::string DriveCurrentFolder(const DriveTable& drives, std::string_view drive) {
  if (drive.empty()) return {};
  const auto process_folder = ProcessFolder(drives);
  if (process_folder && !process_folder->empty() &&
      LowerLetter(process_folder->front()) == LowerLetter(drive.front())) {
    return *process_folder;
  }
  return DriveRoot(drive[0]);
}

std::string LocatorStartFolder(const DriveTable& drives) {
  if (auto folder = ProcessFolder(drives)) return *folder;
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

std::optional<std::vector<std::string>> ListSubfolders(const DriveTable& drives,
                                                       std::string_view folder) {
  const auto host = drives.ToHostPath(folder);
  if (!host) return std::nullopt;
  std::error_code ec;
  fs::directory_iterator it(*host, ec);
  if (ec) return std::nullopt;

  std::vector<std::string> names;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code kind_ec;
    if (!it->is_directory(kind_ec)) continue;
    const std::u8string u8 = it->path().filename().u8string();
    if (u8.empty() || u8.front() == u8'.') continue;
    if (auto name = Utf8ToCp1252(std::string(u8.begin(), u8.end()))) {
      names.push_back(std::move(*name));
    }
  }
  if (ec) return std::nullopt;
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::u32string fa = FoldedName(a), fb = FoldedName(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

}  // namespace vbe

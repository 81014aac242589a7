#include "platform/folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/code_page.h"
#include "platform/file_io.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

std::u32string FoldedName(std::string_view name) {
  std::u32string folded;
  for (const char c : name) folded += FoldCase(Cp1252ToUnicode(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

std::optional<std::string> ProcessFolder(const DriveTable& drives) {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  if (ec) return std::nullopt;
  return drives.ToWindowsPath(current);
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
    const std::string utf8 = PathToUtf8(it->path().filename());
    if (utf8.empty() || utf8.front() == '.') continue;
    if (auto name = Utf8ToCp1252(utf8)) names.push_back(std::move(*name));
  }
  if (ec) return std::nullopt;
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::u32string fa = FoldedName(a), fb = FoldedName(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

}  // namespace vbe

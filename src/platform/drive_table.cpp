#include "platform/drive_table.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/code_page.h"
#include "platform/file_io.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

bool IsDriveLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalpha(u) && u < 0x80;
}

char LowerLetter(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The folder made as absolute and free of links as the host allows, so that prefixes compare.
fs::path NormalFolder(const fs::path& folder) {
  std::error_code ec;
  fs::path absolute = fs::absolute(folder, ec);
  if (ec) absolute = folder;
  fs::path canonical = fs::weakly_canonical(absolute, ec);
  return ec ? absolute.lexically_normal() : canonical;
}

std::optional<std::u32string> FoldedName(const std::string& utf8) {
  auto characters = DecodeUtf8(utf8);
  if (!characters) return std::nullopt;
  for (char32_t& c : *characters) c = FoldCase(c);
  return characters;
}

// The entry of `folder` whose name equals `name` without regard to case; the first in name
// order when several do, so the choice does not depend on the order the host lists them in.
std::optional<std::string> FindWithoutCase(const fs::path& folder, const std::string& name) {
  const auto wanted = FoldedName(name);
  if (!wanted) return std::nullopt;
  std::optional<std::string> best;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = PathToUtf8(it->path().filename());
    if (FoldedName(candidate) == wanted && (!best || candidate < *best)) best = candidate;
  }
  return best;
}

}  // namespace

DriveTable DriveTable::FromWinePrefix(const fs::path& prefix) {
  DriveTable table;
  std::error_code ec;
  for (fs::directory_iterator it(prefix / "dosdevices", ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = PathToUtf8(it->path().filename());
    if (name.size() != 2 || name[1] != ':' || !IsDriveLetter(name[0])) continue;
    std::error_code link_ec;
    fs::path folder = it->path();
    if (fs::is_symlink(it->symlink_status(link_ec))) {
      const fs::path target = fs::read_symlink(it->path(), link_ec);
      if (!link_ec) folder = target.is_absolute() ? target : it->path().parent_path() / target;
    }
    table.SetDrive(name[0], folder);
  }
  if (!table.Find('z')) table.SetDrive('z', "/");
  return table;
}

void DriveTable::SetDrive(char letter, const fs::path& folder) {
  letter = LowerLetter(letter);
  const Drive drive{letter, NormalFolder(folder)};
  auto it = std::find_if(drives_.begin(), drives_.end(),
                         [letter](const Drive& d) { return d.letter >= letter; });
  if (it != drives_.end() && it->letter == letter) {
    *it = drive;
  } else {
    drives_.insert(it, drive);
  }
}

const DriveTable::Drive* DriveTable::Find(char letter) const {
  letter = LowerLetter(letter);
  for (const Drive& d : drives_) {
    if (d.letter == letter) return &d;
  }
  return nullptr;
}

std::optional<fs::path> DriveTable::ToHostPath(std::string_view windows_path) const {
  if (windows_path.size() < 2 || windows_path[1] != ':' || !IsDriveLetter(windows_path[0])) {
    return std::nullopt;
  }
  const Drive* drive = Find(windows_path[0]);
  if (!drive) return std::nullopt;

  fs::path host = drive->folder;
  bool still_exists = true;  // below a missing name nothing can exist, so stop looking
  const std::string rest = Cp1252ToUtf8(windows_path.substr(2));
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find_first_of("\\/", start);
    if (end == std::string::npos) end = rest.size();
    const std::string name = rest.substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    if (name == "." || name == ".." || !still_exists) {
      host /= PathFromUtf8(name);
      continue;
    }
    std::error_code ec;
    const fs::path exact = host / PathFromUtf8(name);
    if (fs::exists(fs::symlink_status(exact, ec))) {
      host = exact;
    } else if (const auto found = FindWithoutCase(host, name)) {
      host /= PathFromUtf8(*found);
    } else {
      host = exact;
      still_exists = false;
    }
  }
  return host;
}

std::optional<std::string> DriveTable::ToWindowsPath(const fs::path& host_path) const {
  // The folder is freed of links, the name is kept: a bind saved through a link keeps the
  // name the user chose.
  fs::path absolute = NormalFolder(host_path.parent_path()) / host_path.filename();
  if (!host_path.has_filename()) absolute = NormalFolder(host_path);

  const Drive* best = nullptr;
  std::size_t best_depth = 0;
  fs::path best_rest;
  for (const Drive& d : drives_) {
    auto [folder_end, path_at] =
        std::mismatch(d.folder.begin(), d.folder.end(), absolute.begin(), absolute.end());
    // An empty last element stands for a trailing separator of the folder.
    if (folder_end != d.folder.end() &&
        !(std::next(folder_end) == d.folder.end() && folder_end->empty())) {
      continue;
    }
    const auto depth = static_cast<std::size_t>(std::distance(d.folder.begin(), d.folder.end()));
    if (best && depth <= best_depth) continue;
    best = &d;
    best_depth = depth;
    best_rest.clear();
    for (auto it = path_at; it != absolute.end(); ++it) {
      if (!it->empty()) best_rest /= *it;
    }
  }
  if (!best) return std::nullopt;

  std::string utf8 = std::string(1, best->letter) + ":";
  for (const fs::path& part : best_rest) {
    utf8 += '\\';
    utf8 += PathToUtf8(part);
  }
  if (best_rest.empty()) utf8 += "\\";
  return Utf8ToCp1252(utf8);
}

}  // namespace vbe

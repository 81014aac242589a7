// Any bytes as a Windows path and as a host path: the drive table maps them without crashing
// and never leaves the drive's folder for a name that holds no "..". The same bytes, split at
// the first NUL into a key and a bind file path, make an autoexec line of the expected shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/text.h"
#include "gamecfg/autoexec.h"
#include "platform/drive_table.h"

namespace {

const vbe::DriveTable& Drives() {
  static const vbe::DriveTable table = [] {
    const auto root = std::filesystem::temp_directory_path() / "vbe-fuzz-drives";
    std::filesystem::create_directories(root / "c" / "Program Files" / "Vellmar" / "main");
    std::filesystem::create_directories(root / "z" / "home" / "ann");
    vbe::DriveTable drives;
    drives.SetDrive('c', root / "c");
    drives.SetDrive('z', root / "z");
    return drives;
  }();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vbe::DriveTable& drives = Drives();

  if (const auto host = drives.ToHostPath(text)) {
    const bool climbs = text.find("..") != std::string::npos;
    const auto& folder = drives.Find(text[0])->folder;
    const std::string host_text = host->string();
    if (!climbs && host_text.compare(0, folder.string().size(), folder.string()) != 0) {
      std::abort();
    }
  }
  if (text.find('\0') == std::string::npos) {
    const auto windows = drives.ToWindowsPath(std::filesystem::path(text));
    if (windows && (windows->size() < 3 || (*windows)[1] != ':')) std::abort();
  }

  const std::size_t split = text.find('\0');
  const std::string_view key = std::string_view(text).substr(0, split);
  const std::string_view path =
      split == std::string::npos ? std::string_view() : std::string_view(text).substr(split + 1);
  const std::string_view name = vbe::FileNamePart(path);
  if (name.find('\\') != std::string_view::npos) std::abort();
  if (path.size() - name.size() > 0 && path[path.size() - name.size() - 1] != '\\') std::abort();
  const std::string line = vbe::ComposeAutoexecLine(key, path);
  const std::string_view trimmed = vbe::TrimSpaces(key);
  if (line != "bind \"" + std::string(trimmed) + "\" exec " + std::string(name)) std::abort();
  if (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.back() == ' ')) std::abort();
  return 0;
}

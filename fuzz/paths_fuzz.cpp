// Any bytes as a Windows path and as a host path: the drive table maps them without crashing
// and never leaves the drive's folder for a name that holds no "..".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

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
  return 0;
}

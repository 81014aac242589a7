#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/host_files.h"

namespace vbe::host {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

std::FILE* CreateExclusive(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "wbx");
}

int SyncFile(std::FILE* file) {
  // File systems that cannot sync (EINVAL) have nothing more to force out.
  if (::fsync(fileno(file)) != 0 && errno != EINVAL) return errno;
  return 0;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace vbe::host

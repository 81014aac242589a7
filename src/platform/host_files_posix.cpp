#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/host_files.h"

namespace vbe::host {

std::optional<std::string> RefusedFileName(const std::filesystem::path&) {
  return std::nullopt;
}

std::string ReasonOf(std::error_code ec) {
  std::string text = ec.message();
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

std::FILE* CreateExclusive(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "wbx");
}

int MayWrite(const std::filesystem::path& path) {
  // By the effective user and groups, the ones every open is judged by.
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

bool TakeOwnerAndMode(std::FILE* file, const std::filesystem::path& original) {
  struct stat wanted, got;
  const int fd = fileno(file);
  if (::stat(original.c_str(), &wanted) != 0 || ::fstat(fd, &got) != 0) return false;
  if ((wanted.st_uid != got.st_uid || wanted.st_gid != got.st_gid) &&
      ::fchown(fd, wanted.st_uid, wanted.st_gid) != 0) {
    return false;
  }
  // After the owner: a change of owner clears the set-id bits.
  return ::fchmod(fd, wanted.st_mode & 07777) == 0;
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

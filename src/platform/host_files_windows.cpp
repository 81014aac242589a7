#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "platform/host_files.h"

namespace vbe::host {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
}

std::FILE* CreateExclusive(const std::filesystem::path& path) {
  // The "x" mode of fopen is missing from older C runtimes; the open flags say the same.
  int fd = -1;
  if (_wsopen_s(&fd, path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO,
                _S_IREAD | _S_IWRITE) != 0) {
    return nullptr;
  }
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) _close(fd);
  return file;
}

// The read-only attribute, the one the file operations look at, is checked before; what the
// access lists allow shows when the file is opened or renamed over.
int MayWrite(const std::filesystem::path&) {
  return 0;
}

// The replacing file gets the access list its folder gives every new file. The read-only
// attribute is the one mode the file operations keep, and a file that has it is never replaced.
bool TakeOwnerAndMode(std::FILE*, const std::filesystem::path&) {
  return true;
}

int SyncFile(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE) return EBADF;
  return FlushFileBuffers(handle) ? 0 : EIO;
}

// A rename on Windows is recorded with the file system's own journal; nothing to force.
void SyncFolder(const std::filesystem::path&) {}

}  // namespace vbe::host

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "platform/file_io.h"
#include "platform/host_files.h"

namespace vbe::host {

std::optional<std::string> RefusedFileName(const std::filesystem::path& path) {
  const std::string name = PathToUtf8(path.filename());
  if (!IsWindowsDeviceName(name)) return std::nullopt;
  return name + " is a name Windows keeps for a device.";
}

// The C library says "Permission denied" also for a file that another program holds open
// without sharing it; the system's own error tells the two apart. EBUSY is MayWrite's.
std::string ReasonOf(std::error_code ec) {
  const DWORD system_error = GetLastError();
  const bool in_use =
      system_error == ERROR_SHARING_VIOLATION || system_error == ERROR_LOCK_VIOLATION;
  if (ec.category() == std::generic_category() &&
      (ec.value() == EBUSY || ((ec.value() == EACCES || ec.value() == EIO) && in_use))) {
    return "The file is in use by another program.";
  }
  std::string text = ec.message();
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

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
// access lists allow shows when the file is opened or renamed over. A file that another program
// holds open without sharing it could not be renamed over, and the rename would say only
// "Permission denied": it is found here, by opening it as the rename would.
int MayWrite(const std::filesystem::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return 0;
  }
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? EBUSY : 0;
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

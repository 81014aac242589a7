// What the file operations need from the host system, one source file per system
// (host_files_posix.cpp, host_files_windows.cpp). Paths are the host's own file names.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vbe::host {

// Why the host can keep no file of this name, or nothing when it can: Windows keeps some names
// for its devices.
std::optional<std::string> RefusedFileName(const std::filesystem::path& path);

// The user's words for the error of the call that has just failed, ending with a full stop: the
// C library's text, or what the host's own last error tells beyond it.
std::string ReasonOf(std::error_code ec);

// Opens a file with an fopen mode ("rb", "ab", "r+b"); null with errno set on failure.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Creates a new file for writing; null with errno EEXIST when the name is taken.
std::FILE* CreateExclusive(const std::filesystem::path& path);

// Whether this process may write the existing file `path`, by the file's owner, group and mode
// (or whatever else the host checks): 0, or the error number (EACCES when it may not, EBUSY
// when another program holds it).
int MayWrite(const std::filesystem::path& path);

// Gives `file`, new and about to be renamed over `original`, the owner, group and mode of
// `original`. False when the host lets this process give no such owner or group (another user's
// file, for a process that is not root): the original must then be written where it stands.
bool TakeOwnerAndMode(std::FILE* file, const std::filesystem::path& original);

// Forces a flushed file's bytes onto the disk; 0, or the error number.
int SyncFile(std::FILE* file);

// Makes a rename in the folder last across a power failure, where the host needs that.
void SyncFolder(const std::filesystem::path& folder);

// Every write of the file operations goes through here: the bytes written, fewer than given
// with errno set when the write fails.
std::size_t Write(std::FILE* file, std::string_view bytes);

// Lets a test stand in for the disk under Write, so that a write can fail part-way on every
// system (as a full disk does); null gives the host's own writes back.
using WriteFunction = std::size_t (*)(std::FILE* file, std::string_view bytes);
void SetWriteForTesting(WriteFunction write);

}  // namespace vbe::host

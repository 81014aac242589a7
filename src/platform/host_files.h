// What the file operations need from the host system, one source file per system
// (host_files_posix.cpp, host_files_windows.cpp). Paths are the host's own file names.
#pragma once

#include <cstdio>
#include <filesystem>

namespace vbe::host {

// Opens a file with an fopen mode ("rb", "ab", "r+b"); null with errno set on failure.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Creates a new file for writing; null with errno EEXIST when the name is taken.
std::FILE* CreateExclusive(const std::filesystem::path& path);

// Forces a flushed file's bytes onto the disk; 0, or the error number.
int SyncFile(std::FILE* file);

// Makes a rename in the folder last across a power failure, where the host needs that.
void SyncFolder(const std::filesystem::path& folder);

}  // namespace vbe::host

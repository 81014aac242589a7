#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vbe {

// The outcome of a file operation; `reason` says in the user's words what went wrong.
struct IoResult {
  bool ok = true;
  std::string reason;

  explicit operator bool() const { return ok; }
  static IoResult Failure(std::string reason) { return {false, std::move(reason)}; }
};

// A host file name as UTF-8 text, for messages, whatever the host's own encoding is.
std::string PathToUtf8(const std::filesystem::path& path);
// The host file name that UTF-8 text names.
std::filesystem::path PathFromUtf8(std::string_view utf8);

struct ReadResult {
  IoResult status;
  std::string bytes;
};

// Reads a whole file. A file longer than `max_bytes` is refused without being read.
ReadResult ReadWholeFile(const std::filesystem::path& path, std::uintmax_t max_bytes);

// Replaces a file's whole content, or creates it: the bytes go to a temporary file beside the
// target, which is then renamed over it. A failure leaves an existing file as it was. A
// read-only file, or one this process may not write, is refused before anything is written,
// even where the host would let its folder be rewritten. The new file keeps the old one's mode,
// owner and group; where the process may not give it that owner or group, or the folder takes
// no temporary file, the file is written where it stands instead.
IoResult ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Adds bytes at the end of a file, creating it when missing; nothing else of it changes.
IoResult AppendToFile(const std::filesystem::path& target, std::string_view bytes);

struct LastByteResult {
  IoResult status;
  std::optional<char> byte;  // nothing when the file is empty or does not exist
};

// The last byte of a file, read without reading the rest: tells whether a text file's last
// line already has its line end.
LastByteResult ReadLastByte(const std::filesystem::path& path);

// Opens a file for reading and closes it at once: proves that it exists and can be read.
bool CanOpenForReading(const std::filesystem::path& path);

// Whether Windows keeps a file name (without its folder) for a device, so that it opens the
// device instead of a file: CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any case, also
// with an extension ("con.cfg") and with spaces before the extension ("nul .cfg").
bool IsWindowsDeviceName(std::string_view file_name);

}  // namespace vbe

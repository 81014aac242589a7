#include "platform/file_io.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include "platform/host_files.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

// Taken right after the call that failed, so that the host can tell more from its own last
// error.
std::string ReasonOf(std::error_code ec) {
  return host::ReasonOf(ec);
}

std::string ReasonOfErrno(int error) {
  return ReasonOf(std::error_code(error, std::generic_category()));
}

// Keeps a FILE* closed on every way out of a function.
class OpenFile {
 public:
  explicit OpenFile(std::FILE* file) : file_(file) {}
  ~OpenFile() {
    if (file_) std::fclose(file_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  std::FILE* get() const { return file_; }
  // Closes now and reports whether everything buffered reached the file.
  bool Close() {
    std::FILE* f = file_;
    file_ = nullptr;
    return std::fclose(f) == 0;
  }

 private:
  std::FILE* file_;
};

std::FILE* Open(const fs::path& path, const char* mode) {
  return host::OpenFile(path, mode);
}

// Writes, flushes and, where the host allows, forces the bytes onto the disk.
int WriteAll(OpenFile& file, std::string_view bytes) {
  if (!bytes.empty() && host::Write(file.get(), bytes) != bytes.size()) {
    return errno ? errno : EIO;
  }
  if (std::fflush(file.get()) != 0) return errno ? errno : EIO;
  return host::SyncFile(file.get());
}

bool HasNoWriteBit(fs::perms p) {
  using fs::perms;
  return (p & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

// Only plain files are read or written: a folder, a device or a pipe is refused before it is
// opened, so nothing blocks on a pipe or renames a file over a device.
IoResult CheckRegularFile(const fs::path& path, bool may_be_missing) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) {
    return may_be_missing ? IoResult{} : IoResult::Failure(ReasonOfErrno(ENOENT));
  }
  if (fs::is_directory(status)) return IoResult::Failure(ReasonOfErrno(EISDIR));
  if (!fs::is_regular_file(status)) return IoResult::Failure("It is not a plain file.");
  return {};
}

// The file a chain of links ends at, which need not exist; the path itself when it is no link.
std::optional<fs::path> FollowLinks(fs::path path, std::error_code& ec) {
  for (int hops = 0; hops < 40; ++hops) {
    const fs::file_status status = fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::not_found) {
      ec.clear();
      return path;
    }
    if (ec) return std::nullopt;
    if (!fs::is_symlink(status)) return path;
    const fs::path link = fs::read_symlink(path, ec);
    if (ec) return std::nullopt;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return std::nullopt;
}

// Overwrites an existing file where it stands, for a folder that takes no temporary file. The
// new bytes go over the old ones before the file is cut to their length, so a failure part-way
// is reported and never leaves an emptied file.
IoResult WriteInPlace(const fs::path& target, std::string_view bytes) {
  errno = 0;
  OpenFile file(Open(target, "r+b"));
  if (!file.get()) return IoResult::Failure(ReasonOfErrno(errno ? errno : EIO));
  int error = WriteAll(file, bytes);
  if (!file.Close() && error == 0) error = errno ? errno : EIO;
  if (error) return IoResult::Failure(ReasonOfErrno(error));
  std::error_code ec;
  fs::resize_file(target, bytes.size(), ec);
  return ec ? IoResult::Failure(ReasonOf(ec)) : IoResult{};
}

}  // namespace

std::string PathToUtf8(const fs::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

fs::path PathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

ReadResult ReadWholeFile(const fs::path& path, std::uintmax_t max_bytes) {
  if (IoResult kind = CheckRegularFile(path, /*may_be_missing=*/false); !kind) return {kind, {}};
  errno = 0;
  OpenFile file(Open(path, "rb"));
  if (!file.get()) return {IoResult::Failure(ReasonOfErrno(errno ? errno : ENOENT)), {}};

  std::string bytes;
  char buffer[8192];
  while (true) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    if (bytes.size() + got > max_bytes) return {IoResult::Failure("The file is too long."), {}};
    bytes.append(buffer, got);
    if (got < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return {IoResult::Failure(ReasonOfErrno(EIO)), {}};
  return {IoResult{}, std::move(bytes)};
}

IoResult ReplaceFileAtomically(const fs::path& requested, std::string_view bytes) {
  if (const auto refused = host::RefusedFileName(requested)) return IoResult::Failure(*refused);
  std::error_code ec;
  // Through a link the file it points at is written, also when that file does not exist yet.
  const auto resolved = FollowLinks(requested, ec);
  if (!resolved) return IoResult::Failure(ReasonOf(ec));
  const fs::path& target = *resolved;
  if (IoResult kind = CheckRegularFile(target, /*may_be_missing=*/true); !kind) return kind;
  const fs::file_status status = fs::status(target, ec);
  const bool exists = fs::exists(status);
  if (exists && HasNoWriteBit(status.permissions())) {
    return IoResult::Failure("The file is read-only.");
  }
  // The rename would let anyone who may write the folder replace a file they may not write.
  if (const int refused = exists ? host::MayWrite(target) : 0; refused) {
    return IoResult::Failure(refused == EACCES || refused == EPERM ? "You may not write this file."
                                                                   : ReasonOfErrno(refused));
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, ec)) return IoResult::Failure(ReasonOfErrno(ENOENT));

  static std::mt19937_64 random_names{std::random_device{}()};
  fs::path temporary;
  std::FILE* raw = nullptr;
  for (int attempt = 0; attempt < 16 && !raw; ++attempt) {
    // Built as a path, not as narrow text, so a name in any script survives on every host.
    fs::path name = ".";
    name += target.filename();
    name += ".";
    name += std::to_string(random_names() % 1000000000);
    name += ".tmp";
    temporary = folder / name;
    errno = 0;
    raw = host::CreateExclusive(temporary);
    if (!raw && errno != EEXIST) break;
  }
  if (!raw) {
    const int refused = errno ? errno : EIO;
    // A folder that takes no new file may still hold a file that can be written: write that
    // one in place, as the host's own editors do.
    if (exists && (refused == EACCES || refused == EPERM)) return WriteInPlace(target, bytes);
    return IoResult::Failure(ReasonOfErrno(refused));
  }

  OpenFile file(raw);
  std::error_code ignored;
  // A file that could not keep its owner or group is written where it stands instead, as it
  // keeps them there.
  if (exists && !host::TakeOwnerAndMode(file.get(), target)) {
    file.Close();
    fs::remove(temporary, ignored);
    return WriteInPlace(target, bytes);
  }
  int error = WriteAll(file, bytes);
  if (!file.Close() && error == 0) error = errno ? errno : EIO;
  if (error == 0) {
    fs::rename(temporary, target, ec);
    if (!ec) {
      host::SyncFolder(folder);
      return {};
    }
  }
  IoResult failure = IoResult::Failure(error ? ReasonOfErrno(error) : ReasonOf(ec));
  fs::remove(temporary, ignored);
  return failure;
}

IoResult AppendToFile(const fs::path& target, std::string_view bytes) {
  if (IoResult kind = CheckRegularFile(target, /*may_be_missing=*/true); !kind) return kind;
  std::error_code ec;
  const bool existed = fs::exists(target, ec);
  errno = 0;
  OpenFile file(Open(target, "ab"));
  if (!file.get()) {
    return IoResult::Failure(ReasonOfErrno(errno ? errno : EIO) + " The file is unchanged.");
  }
  std::uintmax_t old_length = 0;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long at = std::ftell(file.get());
    if (at > 0) old_length = static_cast<std::uintmax_t>(at);
  }
  int error = WriteAll(file, bytes);
  if (!file.Close() && error == 0) error = errno ? errno : EIO;
  if (error == 0) return {};

  // Half a line would glue a broken command onto the next one: cut back what got written.
  std::string reason = ReasonOfErrno(error);
  if (existed) {
    fs::resize_file(target, old_length, ec);
  } else {
    fs::remove(target, ec);
  }
  reason += ec ? " It could not be cut back to its old length: " + ReasonOf(ec)
               : std::string(" The file is unchanged.");
  return IoResult::Failure(std::move(reason));
}

LastByteResult ReadLastByte(const fs::path& path) {
  if (IoResult kind = CheckRegularFile(path, /*may_be_missing=*/true); !kind) return {kind, {}};
  std::error_code ec;
  if (!fs::exists(path, ec)) return {};
  errno = 0;
  OpenFile file(Open(path, "rb"));
  if (!file.get()) return {IoResult::Failure(ReasonOfErrno(errno ? errno : EIO)), {}};
  const bool empty = std::fseek(file.get(), 0, SEEK_END) == 0 && std::ftell(file.get()) == 0;
  if (empty) return {};
  int last = EOF;
  if (std::fseek(file.get(), -1, SEEK_END) == 0) last = std::fgetc(file.get());
  if (last == EOF) return {IoResult::Failure(ReasonOfErrno(EIO)), {}};
  return {IoResult{}, static_cast<char>(last)};
}

bool IsWindowsDeviceName(std::string_view file_name) {
  std::string base(file_name.substr(0, file_name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

bool CanOpenForReading(const fs::path& path) {
  if (!CheckRegularFile(path, /*may_be_missing=*/false)) return false;
  OpenFile file(Open(path, "rb"));
  return file.get() != nullptr;
}

}  // namespace vbe

#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vbe::testing {

// A host path from UTF-8 text, the same on every host. A char string given to
// std::filesystem::path is read in the host's narrow encoding, which on Windows is not UTF-8 (the
// MinGW library widens it byte by byte), so names that are not ASCII go through u8string.
inline std::filesystem::path Utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A fresh folder of the host's temporary folder, open to its owner only, removed with everything
// in it when the test ends.
class TempFolder {
 public:
  TempFolder() {
    static std::mt19937_64 random_names{std::random_device{}()};
    // Creating the folder tests the name: nothing is created when it is taken.
    for (int attempt = 0; path_.empty(); ++attempt) {
      if (attempt == 100) throw std::runtime_error("no free name for a temporary folder");
      path_ = std::filesystem::temp_directory_path() /
              ("vbe-test-" + std::to_string(random_names() % 1000000000000));
      if (!std::filesystem::create_directory(path_)) path_.clear();
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
  }
  ~TempFolder() {
    // A test may have made the folder or files in it read-only, and Windows removes no
    // read-only file; links are left as they are, so nothing outside the folder changes.
    namespace fs = std::filesystem;
    std::error_code ec, ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_symlink(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // `name` is UTF-8.
  std::filesystem::path operator/(const std::string& name) const { return path_ / Utf8Path(name); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

}  // namespace vbe::testing

#include "platform/file_io.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplaceFileAtomically, CreatesOrReplacesTheWholeContent) {
  TempFolder dir;
  ASSERT_TRUE(ReplaceFileAtomically(dir / "bind.cfg", "first"));
  EXPECT_EQ(ReadBytes(dir / "bind.cfg"), "first");

  WriteBytes(dir / "bind.cfg", std::string(5000, 'x'));
  fs::permissions(dir / "bind.cfg", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(ReplaceFileAtomically(dir / "bind.cfg", std::string("a\0b", 3)));
  EXPECT_EQ(ReadBytes(dir / "bind.cfg"), std::string("a\0b", 3));
  EXPECT_EQ(fs::status(dir / "bind.cfg").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(EntriesIn(dir.path()), 1u) << "no temporary file stays behind";
}

TEST(ReplaceFileAtomically, WritesThroughALinkToItsFile) {
  TempFolder dir;
  WriteBytes(dir / "real.cfg", "old");
  fs::create_symlink("real.cfg", dir / "link.cfg");
  ASSERT_TRUE(ReplaceFileAtomically(dir / "link.cfg", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
  EXPECT_EQ(ReadBytes(dir / "real.cfg"), "new");
}

TEST(ReplaceFileAtomically, FailsWithAReasonAndLeavesTheOldFile) {
  TempFolder dir;
  WriteBytes(dir / "locked.cfg", "keep me");
  fs::permissions(dir / "locked.cfg", fs::perms::owner_read);
  IoResult result = ReplaceFileAtomically(dir / "locked.cfg", "new");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "The file is read-only.");
  EXPECT_EQ(ReadBytes(dir / "locked.cfg"), "keep me");

  result = ReplaceFileAtomically(dir / "missing" / "x.cfg", "new");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "No such file or directory.");

  fs::create_directory(dir / "folder.cfg");
  result = ReplaceFileAtomically(dir / "folder.cfg", "new");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "Is a directory.");
  EXPECT_TRUE(fs::is_directory(dir / "folder.cfg"));
  EXPECT_EQ(EntriesIn(dir.path()), 2u) << "no temporary file stays behind";
}

#ifndef _WIN32
// A folder the user may not write to. Root may write anywhere, so the check runs in a child
// process that has given up root.
TEST(ReplaceFileAtomically, FailsInAReadOnlyFolderAndLeavesTheOldFile) {
  TempFolder dir;
  fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_exec |
                                  fs::perms::group_read | fs::perms::others_exec |
                                  fs::perms::others_read);
  WriteBytes(dir / "bind.cfg", "old bind");
  fs::permissions(dir / "bind.cfg", fs::perms::owner_read | fs::perms::owner_write |
                                        fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::group_write |
                                  fs::perms::others_write, fs::perm_options::remove);
  EXPECT_EXIT(
      {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::exit(3);
        const IoResult result = ReplaceFileAtomically(dir / "bind.cfg", "new bind");
        std::exit(!result && result.reason == "Permission denied." ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadBytes(dir / "bind.cfg"), "old bind");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

// A disk with no room left: a tiny memory file system, mounted where the host lets us (as
// root on Linux). Elsewhere the test is skipped.
class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir / "disk");
    if (mount("tmpfs", (dir / "disk").c_str(), "tmpfs", 0, "size=64k") != 0) {
      GTEST_SKIP() << "cannot mount a small file system here";
    }
    mounted_ = true;
    WriteBytes(dir / "disk" / "bind.cfg", "old bind");
    WriteBytes(dir / "disk" / "autoexec.cfg", "exec a.cfg\r\n");
    // Fill what is left.
    WriteBytes(dir / "disk" / "filler", std::string(64 * 1024, 'f'));
  }
  void TearDown() override {
    if (mounted_) umount((dir / "disk").c_str());
  }
  TempFolder dir;
  bool mounted_ = false;
};

TEST_F(FullDisk, EveryWriteFailsWithItsReasonAndLeavesTheFiles) {
  const std::string bind(352, 'b');
  IoResult result = ReplaceFileAtomically(dir / "disk" / "bind.cfg", bind);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "No space left on device.");
  EXPECT_EQ(ReadBytes(dir / "disk" / "bind.cfg"), "old bind");

  result = ReplaceFileAtomically(dir / "disk" / "new.cfg", bind);
  EXPECT_FALSE(result);
  EXPECT_FALSE(fs::exists(dir / "disk" / "new.cfg")) << "no half-written file";

  result = AppendToFile(dir / "disk" / "autoexec.cfg", std::string(8192, 'x'));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "No space left on device.");
  EXPECT_EQ(EntriesIn(dir / "disk"), 3u) << "no temporary file stays behind";
}

TEST(Devices, AreNeverWrittenOrReplaced) {
  IoResult result = ReplaceFileAtomically("/dev/full", "x");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "It is not a plain file.");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(AppendToFile("/dev/full", "x"));
  EXPECT_FALSE(ReadWholeFile("/dev/zero", 100).status);
}
#endif

TEST(ReadWholeFile, ReadsUpToTheLimitAndRefusesMore) {
  TempFolder dir;
  WriteBytes(dir / "f", std::string(32767, 'a'));
  const ReadResult full = ReadWholeFile(dir / "f", 32767);
  ASSERT_TRUE(full.status);
  EXPECT_EQ(full.bytes.size(), 32767u);

  WriteBytes(dir / "f", std::string(32768, 'a'));
  const ReadResult over = ReadWholeFile(dir / "f", 32767);
  EXPECT_FALSE(over.status);
  EXPECT_TRUE(over.bytes.empty());

  WriteBytes(dir / "empty", "");
  const ReadResult empty = ReadWholeFile(dir / "empty", 32767);
  EXPECT_TRUE(empty.status);
  EXPECT_EQ(empty.bytes, "");

  EXPECT_FALSE(ReadWholeFile(dir / "missing", 10).status);
  EXPECT_FALSE(ReadWholeFile(dir.path(), 10).status);
}

TEST(AppendToFile, AddsAtTheEndOrCreates) {
  TempFolder dir;
  ASSERT_TRUE(AppendToFile(dir / "autoexec.cfg", "one\r\n"));
  ASSERT_TRUE(AppendToFile(dir / "autoexec.cfg", "two\r\n"));
  EXPECT_EQ(ReadBytes(dir / "autoexec.cfg"), "one\r\ntwo\r\n");
  EXPECT_FALSE(AppendToFile(dir / "nofolder" / "autoexec.cfg", "x"));
  EXPECT_FALSE(AppendToFile(dir.path(), "x"));
}

TEST(ReadLastByte, TellsTheLastByteOrThatThereIsNone) {
  TempFolder dir;
  const std::pair<std::string, std::optional<char>> cases[] = {
      {"", std::nullopt},
      {"a", 'a'},
      {"exec x.cfg\r\n", '\n'},
      {std::string(70000, 'x') + "\r", '\r'},
  };
  for (const auto& [bytes, last] : cases) {
    WriteBytes(dir / "autoexec.cfg", bytes);
    const LastByteResult result = ReadLastByte(dir / "autoexec.cfg");
    EXPECT_TRUE(result.status) << bytes.size();
    EXPECT_EQ(result.byte, last) << bytes.size();
  }
  const LastByteResult missing = ReadLastByte(dir / "missing.cfg");
  EXPECT_TRUE(missing.status);
  EXPECT_EQ(missing.byte, std::nullopt);
  const LastByteResult folder = ReadLastByte(dir.path());
  EXPECT_FALSE(folder.status);
  EXPECT_EQ(folder.status.reason, "Is a directory.");
}

TEST(CanOpenForReading, TellsFilesFromFoldersAndMissingNames) {
  TempFolder dir;
  WriteBytes(dir / "autoexec.cfg", "");
  EXPECT_TRUE(CanOpenForReading(dir / "autoexec.cfg"));
  EXPECT_FALSE(CanOpenForReading(dir / "other.cfg"));
  EXPECT_FALSE(CanOpenForReading(dir.path()));
}

}  // namespace
}  // namespace vbe

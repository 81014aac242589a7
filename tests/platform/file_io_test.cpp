#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplaceFileAtomically, ReplacesTheWholeFileThroughALinkKeepingItsPermissions) {
  TempFolder dir;
  WriteBytes(dir / "bind.cfg", std::string(5000, 'x'));
  fs::permissions(dir / "bind.cfg", fs::perms{0600});
  fs::create_symlink("bind.cfg", dir / "link.cfg");
  ASSERT_TRUE(ReplaceFileAtomically(dir / "link.cfg", std::string("a\0b", 3)));
  EXPECT_EQ(ReadBytes(dir / "bind.cfg"), std::string("a\0b", 3));
  EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
  EXPECT_EQ(fs::status(dir / "bind.cfg").permissions(), fs::perms{0600});
  EXPECT_EQ(EntriesIn(dir.path()), 2u) << "no temporary file stays behind";
}

// A device node of the full-disk kind made in a test folder, so that a broken guard can only
// ever replace this copy, never the machine's own device.
TEST(Devices, AreNeverWrittenOrReplaced) {
  TempFolder dir;
  const fs::path full = dir / "full";
  if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make a device node here";
  }
  const IoResult result = ReplaceFileAtomically(full, "x");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "It is not a plain file.");
  EXPECT_TRUE(fs::is_character_file(full));
  EXPECT_FALSE(AppendToFile(full, "x"));
  EXPECT_FALSE(ReadWholeFile(full, 100).status);
}

// Root may write anywhere, so the check runs in a child process that has given up root.
TEST(ReplaceFileAtomically, FailsInAReadOnlyFolderAndLeavesTheOldFile) {
  TempFolder dir;
  WriteBytes(dir / "bind.cfg", "old bind");
  fs::permissions(dir / "bind.cfg", fs::perms{0644});
  fs::permissions(dir.path(), fs::perms{0555});
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

// A disk with no room left: a small memory file system, where the host lets us mount one.
TEST(FullDisk, EveryWriteFailsWithItsReasonAndLeavesTheFiles) {
  TempFolder dir;
  const fs::path disk = dir / "disk";
  fs::create_directory(disk);
  if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "cannot mount";
  const struct Unmount {
    const fs::path& at;
    ~Unmount() { umount(at.c_str()); }
  } unmount{disk};
  WriteBytes(disk / "bind.cfg", "old bind");
  WriteBytes(disk / "autoexec.cfg", "exec a.cfg\r\n");
  WriteBytes(disk / "filler", std::string(64 * 1024, 'f'));

  IoResult result = ReplaceFileAtomically(disk / "bind.cfg", std::string(352, 'b'));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "No space left on device.");
  EXPECT_EQ(ReadBytes(disk / "bind.cfg"), "old bind");
  EXPECT_FALSE(ReplaceFileAtomically(disk / "new.cfg", std::string(352, 'b')));
  EXPECT_FALSE(fs::exists(disk / "new.cfg")) << "no half-written file";
  result = AppendToFile(disk / "autoexec.cfg", std::string(8192, 'x'));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.reason, "No space left on device.");
  EXPECT_EQ(EntriesIn(disk), 3u) << "no temporary file stays behind";
}

}  // namespace
}  // namespace vbe::testing

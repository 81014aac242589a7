#include <gtest/gtest.h>

#include <set>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "support/other_user.h"
#endif

#include "platform/code_page.h"
#include "platform/drive_table.h"
#include "platform/file_io.h"
#include "platform/host_files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

TEST(CodePage, CarriesEveryByteThroughUtf8AndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x81\xE9"), "\xE2\x82\xAC\xC2\x81\xC3\xA9");  // 0x81: undefined
  EXPECT_EQ(FoldCase(U'\u00D7'), U'\u00D7') << "the multiplication sign has no lower case";
}

// The host's own converter, which this code page's table must agree with: Windows' code page
// 1252 there, iconv's CP1252 elsewhere. Nothing where the converter has no character.
std::optional<char32_t> HostCp1252ToUnicode(unsigned char byte) {
#ifdef _WIN32
  wchar_t wide = 0;
  const char narrow = static_cast<char>(byte);
  if (MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &narrow, 1, &wide, 1) != 1) return {};
  return wide;
#else
  const iconv_t converter = iconv_open("UTF-32LE", "CP1252");
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  char in = static_cast<char>(byte), out[4] = {};
  char *in_at = &in, *out_at = out;
  std::size_t in_left = 1, out_left = sizeof out;
  const bool converted = iconv(converter, &in_at, &in_left, &out_at, &out_left) == 0;
  iconv_close(converter);
  if (!converted || out_left != 0) return {};
  return char32_t(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8 |
                  static_cast<unsigned char>(out[2]) << 16);
#endif
}

// Above all 0x80 to 0x9F, where the code page differs from Latin-1. The five bytes it leaves
// undefined have no character in iconv and the control character of their number on Windows.
TEST(CodePage, AgreesWithTheHostsOwnConverterByteForByte) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const std::optional<char32_t> host = HostCp1252ToUnicode(byte);
    const char32_t ours = Cp1252ToUnicode(byte);
    EXPECT_EQ(ours, host.value_or(char32_t(b))) << std::hex << b;
    EXPECT_EQ(UnicodeToCp1252(ours), byte) << std::hex << b;
  }
  EXPECT_EQ(HostCp1252ToUnicode(0x80), U'\u20AC') << "the converter is the code page's";
}

// A Wine prefix: c: a relative link to drive_c, d: a link to another folder, and an entry that
// names no drive.
class WinePrefix : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "Wine prefixes exist only on other hosts; Windows uses its own drives, and "
                    "its names match without regard to case by themselves";
#endif
    fs::create_directories(c / "Program Files" / "Vellmar" / "main");
    fs::create_directories(prefix / "dosdevices");
    fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
    fs::create_symlink(other.path(), prefix / "dosdevices" / "d:");
    fs::create_symlink("../nowhere", prefix / "dosdevices" / "not-a-drive");
    table = DriveTable::FromWinePrefix(prefix.path());
  }

  TempFolder prefix, other;
  const fs::path c = fs::canonical(prefix.path()) / "drive_c";
  DriveTable table;
};

TEST_F(WinePrefix, MapsPathsBothWaysFindingNamesWithoutRegardToCaseAndKeepingMissingOnes) {
  std::string letters;
  for (const DriveTable::Drive& drive : table.Drives()) letters += drive.letter;
  EXPECT_EQ(letters, "cdz") << "z: is the root";
  const fs::path main = c / "Program Files" / "Vellmar" / "main";
  for (const char* name : {"binds", "Binds", "Caf\xC3\xA9"}) fs::create_directory(c / name);
  const std::pair<std::string, fs::path> cases[] = {
      {"c:\\program files\\Vellmar\\main", main},
      {"C:\\PROGRAM FILES\\vellmar\\MAIN\\", main},
      {"c:/program files/vellmar/main/autoexec.cfg", main / "autoexec.cfg"},
      {"c:\\binds\\a.cfg", c / "binds" / "a.cfg"},  // the exact name first,
      {"c:\\BINDS\\a.cfg", c / "Binds" / "a.cfg"},  // else the first in name order
      {"c:\\caf\xC9\\x.cfg", c / "Caf\xC3\xA9" / "x.cfg"},
      {"c:\\program files\\New Folder\\Hello.CFG",
       c / "Program Files" / "New Folder" / "Hello.CFG"},
      {"d:\\greet", fs::canonical(other.path()) / "greet"},
  };
  for (const auto& [windows, host] : cases) EXPECT_EQ(table.ToHostPath(windows), host) << windows;
  for (auto path : {"q:\\x.cfg", "x.cfg", "", "1:\\x"}) EXPECT_FALSE(table.ToHostPath(path));

  EXPECT_EQ(table.ToWindowsPath(prefix / "dosdevices" / "c:" / "x"), "c:\\x") << "through its link";
  EXPECT_EQ(table.ToWindowsPath("/"), "z:\\");
}

// Drives given folder by folder, as on any host: Windows paths reach host files through them, and
// host files are named through the drive that holds them most closely, in the code page.
TEST(DriveTable, MapsPathsOfItsDrivesBothWaysThroughTheCodePage) {
  TempFolder disk;
  const fs::path c = fs::canonical(disk.path()), main = c / "Program Files" / "Vellmar" / "main";
  fs::create_directories(main);
  fs::create_directory(c / Utf8Path("Caf\xC3\xA9"));
  DriveTable table;
  table.SetDrive('C', disk.path());
  table.SetDrive('y', c / "Program Files" / "Vellmar");

  const std::pair<std::string, fs::path> hosts[] = {
      {"c:\\Program Files\\Vellmar\\main", main},
      {"C:/Program Files/Vellmar/main/autoexec.cfg", main / "autoexec.cfg"},
      {"c:\\Caf\xE9\\x.cfg", c / Utf8Path("Caf\xC3\xA9") / "x.cfg"},
      {"c:\\New Folder\\\xE9t\xE9.cfg", c / "New Folder" / Utf8Path("\xC3\xA9t\xC3\xA9.cfg")},
      {"Y:\\main", main},
  };
  for (const auto& [windows, host] : hosts) EXPECT_EQ(table.ToHostPath(windows), host) << windows;
  for (auto path : {"d:\\x.cfg", "x.cfg", ""}) EXPECT_FALSE(table.ToHostPath(path)) << path;

  const std::pair<fs::path, std::optional<std::string>> names[] = {
      {c / "Program Files" / "hello.cfg", "c:\\Program Files\\hello.cfg"},
      {main / "autoexec.cfg", "y:\\main\\autoexec.cfg"},
      {c / Utf8Path("Caf\xC3\xA9") / "x.cfg", "c:\\Caf\xE9\\x.cfg"},
      {c, "c:\\"},
      {c / Utf8Path("\xE3\x81\x82.cfg"), std::nullopt},  // not in the code page
  };
  for (const auto& [host, windows] : names) EXPECT_EQ(table.ToWindowsPath(host), windows);
}

#ifndef _WIN32  // only the cases below that Windows skips count entries
std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}
#endif

// Host file names beyond ASCII (UTF-8 on Linux, UTF-16 on Windows) are written, replaced,
// appended to and read under their own names, and leave no temporary file.
TEST(FileNames, BeyondAsciiKeepTheirNamesThroughEveryFileOperation) {
  TempFolder dir;
  // Names outside the Windows system code page as much as outside the game's: Café, €uro,
  // Łódź, 中文, and a character beyond the 16-bit plane.
  const std::string names[] = {"Caf\xC3\xA9.cfg", "\xE2\x82\xACuro.cfg",
                               "\xC5\x81\xC3\xB3\x64\xC5\xBA.cfg", "\xE4\xB8\xAD\xE6\x96\x87.cfg",
                               "\xE3\x81\x82 \xF0\x9F\x98\x80.cfg"};
  for (const std::string& name : names) {
    const fs::path file = dir / name;
    EXPECT_TRUE(ReplaceFileAtomically(file, "new")) << name;
    EXPECT_TRUE(ReplaceFileAtomically(file, "bind")) << name;
    EXPECT_TRUE(AppendToFile(file, "!")) << name;
    EXPECT_EQ(ReadWholeFile(file, 100).bytes, "bind!") << name;
    EXPECT_EQ(ReadLastByte(file).byte, '!') << name;
    EXPECT_TRUE(CanOpenForReading(file)) << name;
  }
  std::set<std::string> found;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
    const std::u8string u8 = entry.path().filename().u8string();
    found.emplace(u8.begin(), u8.end());
  }
  EXPECT_EQ(found, std::set<std::string>(std::begin(names), std::end(names)));
}

// Only plain files are read or written. A pipe needs no rights to make; a device node of the
// full-disk kind is made in a test folder where the host allows, so that a broken guard could
// only ever replace this copy, never the machine's own device.
enum class NotPlain { Pipe, Device };

class NotPlainFiles : public ::testing::TestWithParam<NotPlain> {};

TEST_P(NotPlainFiles, AreNeverReadWrittenOrReplaced) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no pipes or device nodes to make in a folder";
#else
  TempFolder dir;
  const fs::path node = dir / "node";
  if (GetParam() == NotPlain::Pipe) {
    ASSERT_EQ(mkfifo(node.c_str(), 0666), 0);
  } else {
    if (mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
      GTEST_SKIP() << "this host lets no device node be made here";
    }
  }
  const fs::file_type kind = fs::symlink_status(node).type();
  const std::string reason = "It is not a plain file.";
  EXPECT_EQ(ReplaceFileAtomically(node, "x").reason, reason);
  EXPECT_EQ(AppendToFile(node, "x").reason, reason);
  EXPECT_EQ(ReadWholeFile(node, 100).status.reason, reason);
  EXPECT_FALSE(CanOpenForReading(node));
  EXPECT_EQ(fs::symlink_status(node).type(), kind);
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
#endif
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotPlainFiles, ::testing::Values(NotPlain::Pipe, NotPlain::Device),
                         [](const auto& i) {
                           return i.param == NotPlain::Pipe ? "Pipe" : "Device";
                         });

// Saving through a link writes the file at its end, whether or not that file exists yet, and
// keeps its permissions; the links stay links.
// The names Windows keeps for its devices, in any case, with or without an extension; names
// that only look like them are files.
TEST(WindowsDeviceNames, AreTheDevicesWithOrWithoutAnExtensionInAnyCase) {
  for (const char* device : {"CON", "con.cfg", "Prn.cfg", "aux", "NUL.tar.gz", "nul .cfg", "COM1",
                             "com9.cfg", "LPT1.cfg", "lPt9"}) {
    EXPECT_TRUE(IsWindowsDeviceName(device)) << device;
  }
  for (const char* file : {"", "console.cfg", "conx.cfg", "my con.cfg", " con.cfg", ".con", "COM",
                           "COM0.cfg", "COM10.cfg", "LPT0", "lpt", "cfg.con", "COMA.cfg"}) {
    EXPECT_FALSE(IsWindowsDeviceName(file)) << file;
  }
}

TEST(ReplaceFileAtomically, WritesThroughLinksAlsoWhereTheyPointAtNothingYet) {
#ifdef _WIN32
  GTEST_SKIP() << "MinGW's library cannot make symbolic links";
#else
  TempFolder dir;
  fs::create_directory(dir / "binds");
  WriteBytes(dir / "binds" / "old.cfg", "old bind");
  fs::permissions(dir / "binds" / "old.cfg", fs::perms{0600});
  fs::create_symlink("binds/old.cfg", dir / "to-old.cfg");
  fs::create_symlink("binds/new.cfg", dir / "dangling.cfg");
  fs::create_symlink("dangling.cfg", dir / "chain.cfg");
  fs::create_symlink("loop-b", dir / "loop-a");
  fs::create_symlink("loop-a", dir / "loop-b");

  EXPECT_TRUE(ReplaceFileAtomically(dir / "to-old.cfg", "one"));
  EXPECT_EQ(ReadBytes(dir / "binds" / "old.cfg"), "one");
  EXPECT_EQ(fs::status(dir / "binds" / "old.cfg").permissions(), fs::perms{0600});
  EXPECT_TRUE(ReplaceFileAtomically(dir / "chain.cfg", "two"));
  EXPECT_EQ(ReadBytes(dir / "binds" / "new.cfg"), "two");
  for (auto link : {"to-old.cfg", "dangling.cfg", "chain.cfg"}) {
    EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
  }
  EXPECT_EQ(ReplaceFileAtomically(dir / "loop-a", "three").reason,
            "Too many levels of symbolic links.");
  EXPECT_TRUE(fs::is_symlink(dir / "loop-a"));
  EXPECT_EQ(EntriesIn(dir / "binds"), 2u) << "no temporary file stays behind";
#endif
}

// Root may write anywhere, so each case runs in a child process that has given up root. A
// folder that takes no new file still lets its writable files be saved in place.
struct ReadOnlyFolderCase {
  const char* name;
  const char* file;  // what the folder holds as bind.cfg; null: nothing
  int file_perms;
  const char* save_as;
  const char* reason;  // empty: the save succeeds
  const char* bind_cfg_after;
  friend void PrintTo(const ReadOnlyFolderCase& c, std::ostream* out) { *out << c.name; }
};

class ReadOnlyFolder : public ::testing::TestWithParam<ReadOnlyFolderCase> {};
using Case = ReadOnlyFolderCase;

TEST_P(ReadOnlyFolder, SavesAWritableFileInPlaceAndRefusesTheRest) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no read-only folders (the attribute does not stop new files) and "
                  "no user ids to give up";
#else
  const ReadOnlyFolderCase& c = GetParam();
  TempFolder dir;
  if (c.file) {
    WriteBytes(dir / "bind.cfg", c.file);
    fs::permissions(dir / "bind.cfg", fs::perms(c.file_perms));
  }
  fs::permissions(dir.path(), fs::perms{0555});
  EXPECT_EXIT(
      {
        if (!BecomeOtherUser()) std::exit(3);
        const IoResult result = ReplaceFileAtomically(dir / c.save_as, "new bind");
        std::exit(result.reason == c.reason && result.ok == (*c.reason == 0) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  if (c.bind_cfg_after) {
    EXPECT_EQ(ReadBytes(dir / "bind.cfg"), c.bind_cfg_after);
  }
  EXPECT_EQ(EntriesIn(dir.path()), c.file ? 1u : 0u) << "no temporary file stays behind";
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadOnlyFolder,
    ::testing::Values(Case{"WritableFileShorterNow", "an old bind that was longer", 0666,
                           "bind.cfg", "", "new bind"},
                      Case{"WritableFileLongerNow", "old", 0666, "bind.cfg", "", "new bind"},
                      Case{"ReadOnlyFile", "old bind", 0444, "bind.cfg", "The file is read-only.",
                           "old bind"},
                      Case{"NewFile", nullptr, 0, "new.cfg", "Permission denied.", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32  // Windows has no owners and modes of this kind
// Owners, groups and modes, as root makes them for the other user, and who saves.
struct OwnershipCase {
  const char* name;
  bool users_file;  // else root's
  gid_t group;
  int mode;
  bool saved_by_root;  // else by the other user
  const char* reason;  // empty: the save succeeds
  friend void PrintTo(const OwnershipCase& c, std::ostream* out) { *out << c.name; }
};

class Ownership : public ::testing::TestWithParam<OwnershipCase> {};

// In the other user's own folder, which lets anyone who may write it rename a file over any
// file in it: a save is refused where the file itself may not be written, and otherwise keeps
// the file's owner, group and mode, by giving them to the new file or by writing in place.
TEST_P(Ownership, ASaveIsRefusedWhereTheFileMayNotBeWrittenAndKeepsOwnerGroupAndMode) {
  const OwnershipCase& c = GetParam();
  if (geteuid() != 0) GTEST_SKIP() << "only root can make files of two users";
  TempFolder dir;
  const fs::path file = dir / "bind.cfg";
  WriteBytes(file, "old bind");
  ASSERT_EQ(chown(dir.path().c_str(), kOtherUser, kOtherGroup), 0);
  ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
  ASSERT_EQ(chown(file.c_str(), c.users_file ? kOtherUser : 0, c.group), 0);
  ASSERT_EQ(chmod(file.c_str(), static_cast<mode_t>(c.mode)), 0);
  struct stat before {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);
  const auto save = [&] {
    const IoResult result = ReplaceFileAtomically(file, "new bind");
    return result.reason == c.reason && result.ok == (*c.reason == 0);
  };
  if (c.saved_by_root) {
    EXPECT_TRUE(save());
  } else {
    EXPECT_EXIT(std::exit(BecomeOtherUser() ? (save() ? 0 : 1) : 3), ::testing::ExitedWithCode(0),
                "");
  }
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(ReadBytes(file), *c.reason ? "old bind" : "new bind");
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(EntriesIn(dir.path()), 1u) << "no temporary file stays behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Ownership,
    ::testing::Values(
        OwnershipCase{"RootsFile", false, 0, 0644, false, "You may not write this file."},
        OwnershipCase{"RootsFileTheUsersGroupMayWrite", false, kOtherGroup, 0664, false, ""},
        OwnershipCase{"UsersFile", true, kOtherGroup, 0640, false, ""},
        OwnershipCase{"UsersFileInRootsGroup", true, 0, 0640, false, ""},
        OwnershipCase{"UsersPrivateFileSavedByRoot", true, kOtherGroup, 0600, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });
#endif

// A disk that fills part-way through a write, on every system: the bytes that got through are
// taken back, and the files are as they were.
std::size_t FiveBytesThenFull(std::FILE* file, std::string_view bytes) {
  const std::size_t written =
      std::fwrite(bytes.data(), 1, std::min<std::size_t>(5, bytes.size()), file);
  errno = ENOSPC;
  return written;
}

TEST(FailingWrite, LeavesEveryFileAsItWasAndSaysWhy) {
  TempFolder dir;
  WriteBytes(dir / "bind.cfg", "old bind");
  WriteBytes(dir / "autoexec.cfg", "exec a.cfg\r\n");
  host::SetWriteForTesting(FiveBytesThenFull);
  const std::string no_space = "No space left on device.", line = "bind \"p\" exec b.cfg\r\n";
  const std::pair<IoResult, std::string> cases[] = {
      {ReplaceFileAtomically(dir / "bind.cfg", "new bind"), no_space},
      {ReplaceFileAtomically(dir / "new.cfg", "new bind"), no_space},
      {AppendToFile(dir / "autoexec.cfg", line), no_space + " The file is unchanged."},
      {AppendToFile(dir / "new-autoexec.cfg", line), no_space + " The file is unchanged."},
  };
  host::SetWriteForTesting(nullptr);
  for (const auto& [result, reason] : cases) EXPECT_EQ(result.reason, reason);
  EXPECT_EQ(ReadBytes(dir / "bind.cfg"), "old bind");
  EXPECT_EQ(ReadBytes(dir / "autoexec.cfg"), "exec a.cfg\r\n") << "no half line stays";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2)
      << "no temporary or new file stays behind";
}

// A disk with no room left: a small memory file system, where the host lets us mount one.
TEST(FullDisk, EveryWriteFailsWithItsReasonAndLeavesTheFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "a full disk is made by mounting a small memory file system, which Windows "
                  "cannot do";
#else
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

  const std::string no_space = "No space left on device.";
  const std::string bind(352, 'b'), line(8192, 'x');
  EXPECT_EQ(ReplaceFileAtomically(disk / "bind.cfg", bind).reason, no_space);
  EXPECT_EQ(ReplaceFileAtomically(disk / "new.cfg", bind).reason, no_space);
  EXPECT_EQ(AppendToFile(disk / "autoexec.cfg", line).reason, no_space + " The file is unchanged.");
  EXPECT_EQ(AppendToFile(disk / "new-autoexec.cfg", line).reason,
            no_space + " The file is unchanged.");
  EXPECT_EQ(ReadBytes(disk / "bind.cfg"), "old bind");
  EXPECT_EQ(ReadBytes(disk / "autoexec.cfg"), "exec a.cfg\r\n") << "no half line stays";
  EXPECT_EQ(EntriesIn(disk), 3u) << "no temporary or new file stays behind";
#endif
}

}  // namespace
}  // namespace vbe::testing

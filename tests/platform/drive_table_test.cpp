#include "platform/drive_table.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::TempFolder;

// A Wine prefix with drive c: at drive_c, d: at another folder, and the game's folder.
class WinePrefix : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(prefix.path() / "dosdevices");
    fs::create_directories(drive_c() / "Program Files" / "Vellmar" / "main");
    fs::create_symlink("../drive_c", prefix.path() / "dosdevices" / "c:");
    fs::create_symlink(other.path(), prefix.path() / "dosdevices" / "d:");
    fs::create_symlink("../nowhere", prefix.path() / "dosdevices" / "not-a-drive");
    table = DriveTable::FromWinePrefix(prefix.path());
  }
  fs::path drive_c() const { return prefix.path() / "drive_c"; }
  fs::path real(const fs::path& p) const { return fs::weakly_canonical(p); }

  TempFolder prefix;
  TempFolder other;
  DriveTable table;
};

TEST_F(WinePrefix, ListsTheDrivesOfDosdevicesAndAddsZAsRoot) {
  ASSERT_EQ(table.Drives().size(), 3u);
  EXPECT_EQ(table.Drives()[0].letter, 'c');
  EXPECT_EQ(table.Drives()[0].folder, real(drive_c()));
  EXPECT_EQ(table.Drives()[1].letter, 'd');
  EXPECT_EQ(table.Drives()[2].letter, 'z');
  EXPECT_EQ(table.Drives()[2].folder, fs::path("/"));

  TempFolder empty;
  const DriveTable bare = DriveTable::FromWinePrefix(empty / "no-prefix-here");
  ASSERT_EQ(bare.Drives().size(), 1u);
  EXPECT_EQ(bare.Drives()[0].letter, 'z');
}

TEST_F(WinePrefix, FindsNamesWithoutRegardToCase) {
  const fs::path main = real(drive_c() / "Program Files" / "Vellmar" / "main");
  EXPECT_EQ(table.ToHostPath("c:\\program files\\Vellmar\\main"), main);
  EXPECT_EQ(table.ToHostPath("C:\\PROGRAM FILES\\vellmar\\MAIN\\"), main);
  EXPECT_EQ(table.ToHostPath("c:/program files/vellmar/main"), main);
  EXPECT_EQ(table.ToHostPath("c:\\program files\\Vellmar\\main\\autoexec.cfg"),
            main / "autoexec.cfg");
  EXPECT_EQ(table.ToHostPath("c:\\"), real(drive_c()));
}

TEST_F(WinePrefix, PrefersTheExactNameWhenBothSpellingsExist) {
  fs::create_directory(drive_c() / "binds");
  fs::create_directory(drive_c() / "Binds");
  EXPECT_EQ(table.ToHostPath("c:\\Binds\\a.cfg"), real(drive_c()) / "Binds" / "a.cfg");
  EXPECT_EQ(table.ToHostPath("c:\\binds\\a.cfg"), real(drive_c()) / "binds" / "a.cfg");
  EXPECT_EQ(table.ToHostPath("c:\\BINDS\\a.cfg"), real(drive_c()) / "Binds" / "a.cfg");
}

TEST_F(WinePrefix, KeepsMissingNamesAsWritten) {
  EXPECT_EQ(table.ToHostPath("c:\\program files\\New Folder\\Hello.CFG"),
            real(drive_c()) / "Program Files" / "New Folder" / "Hello.CFG");
  EXPECT_EQ(table.ToHostPath("d:\\greet"), real(other.path()) / "greet");
}

TEST_F(WinePrefix, MapsCodePageNamesToUtf8HostNames) {
  fs::create_directory(drive_c() / "Caf\xC3\xA9");
  EXPECT_EQ(table.ToHostPath("c:\\caf\xC9\\x.cfg"), real(drive_c()) / "Caf\xC3\xA9" / "x.cfg");
  EXPECT_EQ(table.ToWindowsPath(drive_c() / "Caf\xC3\xA9" / "x.cfg"), "c:\\Caf\xE9\\x.cfg");
}

TEST_F(WinePrefix, RefusesPathsOnNoDrive) {
  EXPECT_EQ(table.ToHostPath("q:\\x.cfg"), std::nullopt);
  EXPECT_EQ(table.ToHostPath("x.cfg"), std::nullopt);
  EXPECT_EQ(table.ToHostPath(""), std::nullopt);
  EXPECT_EQ(table.ToHostPath("1:\\x"), std::nullopt);
}

TEST_F(WinePrefix, TurnsHostPathsIntoWindowsPathsThroughTheLongestPrefix) {
  EXPECT_EQ(table.ToWindowsPath(drive_c() / "Program Files" / "hello.cfg"),
            "c:\\Program Files\\hello.cfg");
  // Through the drive's link the same file has the same name.
  EXPECT_EQ(table.ToWindowsPath(prefix.path() / "dosdevices" / "c:" / "hello.cfg"),
            "c:\\hello.cfg");
  EXPECT_EQ(table.ToWindowsPath(other.path() / "a b.cfg"), "d:\\a b.cfg");
  EXPECT_EQ(table.ToWindowsPath("/"), "z:\\");
  const std::string outside = *table.ToWindowsPath(prefix.path() / "outside.cfg");
  EXPECT_EQ(outside.substr(0, 3), "z:\\");
  EXPECT_EQ(outside.substr(outside.size() - 12), "\\outside.cfg");
  // A name the game cannot write has no Windows path.
  EXPECT_EQ(table.ToWindowsPath(drive_c() / "\xE3\x81\x82.cfg"), std::nullopt);
}

TEST_F(WinePrefix, HostAndWindowsPathsRoundTrip) {
  for (const std::string path : {"c:\\Program Files\\Vellmar\\main\\autoexec.cfg",
                                 "c:\\new.cfg", "d:\\x\\y\\z.cfg"}) {
    const auto host = table.ToHostPath(path);
    ASSERT_TRUE(host) << path;
    EXPECT_EQ(table.ToWindowsPath(*host), path);
  }
}

}  // namespace
}  // namespace vbe

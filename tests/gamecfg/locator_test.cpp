#include "gamecfg/locator.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

// Drive c: in a fresh folder; the process's current folder is put back after each test.
class LocatorFolders : public ::testing::Test {
 protected:
  LocatorFolders() : previous_folder(fs::current_path()) { drives.SetDrive('c', disk.path()); }
  ~LocatorFolders() override { fs::current_path(previous_folder); }

  fs::path previous_folder;
  TempFolder disk;
  TempFolder other;
  DriveTable drives;
};

TEST_F(LocatorFolders, ListsSubfoldersInNameOrderWithoutRegardToCase) {
  for (const char* name : {"zeta", "Alpha", "beta", ".hidden", "Caf\xC3\xA9", "\xE3\x81\x82"}) {
    fs::create_directories(disk / "Program Files" / name);
  }
  WriteBytes(disk / "Program Files" / "autoexec.cfg", "");
  fs::create_directory_symlink(disk / "Program Files" / "zeta", disk / "Program Files" / "link");

  const auto names = ListSubfolders(drives, "c:\\program files");
  ASSERT_TRUE(names);
  // The Japanese name cannot be written in the code page, the dotted one is hidden, the file is
  // no folder; a link to a folder is one.
  EXPECT_EQ(*names, (std::vector<std::string>{"Alpha", "beta", "Caf\xE9", "link", "zeta"}));
  EXPECT_EQ(ListSubfolders(drives, "c:\\"), std::vector<std::string>{"Program Files"});
  EXPECT_EQ(ListSubfolders(drives, "c:\\Program Files\\zeta"), std::vector<std::string>{});
}

TEST_F(LocatorFolders, CannotEnterWhatIsNoFolder) {
  WriteBytes(disk / "autoexec.cfg", "");
  drives.SetDrive('d', disk / "missing");
  EXPECT_EQ(ListSubfolders(drives, "c:\\nothing here"), std::nullopt);
  EXPECT_EQ(ListSubfolders(drives, "c:\\autoexec.cfg"), std::nullopt);
  EXPECT_EQ(ListSubfolders(drives, "d:\\"), std::nullopt);
  EXPECT_EQ(ListSubfolders(drives, "q:\\"), std::nullopt);
}

TEST_F(LocatorFolders, EntersADriveAtTheProcessFolderOnlyWhenItLiesThere) {
  fs::create_directories(disk / "Program Files" / "Vellmar");
  drives.SetDrive('e', other.path());
  fs::current_path(disk / "Program Files" / "Vellmar");
  EXPECT_EQ(DriveCurrentFolder(drives, "C:"), "c:\\Program Files\\Vellmar");
  EXPECT_EQ(DriveCurrentFolder(drives, "e:"), "e:\\");
  EXPECT_EQ(LocatorStartFolder(DriveTable()), "");
}

}  // namespace
}  // namespace vbe

#include "gamecfg/locator.h"

#include <gtest/gtest.h>

#include "support/editor_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

using Locator = EditorTest;

TEST_F(Locator, ListsTheSubfoldersTheGameCanReachInNameOrderWithoutRegardToCase) {
  const fs::path games = disk / "Program Files";
  for (const char* name : {"zeta", "Alpha", "beta", ".hidden", "Caf\xC3\xA9", "\xE3\x81\x82"}) {
    fs::create_directories(games / name);
  }
  WriteBytes(games / "autoexec.cfg", "");
  fs::create_directory_symlink(games / "zeta", games / "link");
  // Left out: a name the code page cannot write, a hidden one, a file. A link to a folder is one.
  EXPECT_EQ(ListSubfolders(drives, "c:\\program files"),
            (std::vector<std::string>{"Alpha", "beta", "Caf\xE9", "link", "zeta"}));
  EXPECT_EQ(ListSubfolders(drives, "c:\\Program Files\\zeta"), std::vector<std::string>{});
  for (const char* none : {"c:\\nothing here", "c:\\program files\\autoexec.cfg", "q:\\"}) {
    EXPECT_EQ(ListSubfolders(drives, none), std::nullopt) << none;
  }
}

TEST_F(Locator, StartsAtTheProcessFolderOnlyOnTheDriveItLiesOn) {
  TempFolder other;
  drives.SetDrive('e', other.path());
  fs::create_directories(disk / "Program Files" / "Vellmar");
  const fs::path previous = fs::current_path();
  fs::current_path(disk / "Program Files" / "Vellmar");
  const std::string start = LocatorStartFolder(drives), c = DriveCurrentFolder(drives, "C:"),
                    e = DriveCurrentFolder(drives, "e:");
  fs::current_path(previous);  // on no drive of the table: the first drive's root
  EXPECT_EQ(start, "c:\\Program Files\\Vellmar");
  EXPECT_EQ(c, "c:\\Program Files\\Vellmar");
  EXPECT_EQ(e, "e:\\");
  EXPECT_EQ(LocatorStartFolder(drives), "c:\\");
  EXPECT_EQ(LocatorStartFolder(DriveTable()), "");
}

}  // namespace
}  // namespace vbe::testing

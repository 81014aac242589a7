#include <gtest/gtest.h>

#include "gamecfg/autoexec.h"
#include "gamecfg/key_catalogue.h"
#include "gamecfg/locator.h"
#include "platform/folders.h"
#include "support/editor_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

TEST(KeyCatalogue, HoldsItsRunsInOrder) {
  std::string names;
  for (std::string_view name : KeyCatalogue) names.append(name).append(" ");
  EXPECT_EQ(names,
            "a b c d e f g h i j k l m n o p q r s t u v w x y z "
            "\\ , . / ' # [ ] = - "
            "INS HOME PG_UP PG_DN DEL END PAUSE "
            "SEMICOLON BACKSPACE UPARROW DOWNARROW LEFTARROW RIGHTARROW SPACE SHIFT CTRL ALT TAB "
            "KP_SLASH * KP_MINUS KP_PLUS KP_ENTER KP_HOME KP_PGUP KP_PAGEDOWN KP_END KP_5 "
            "KP_UPARROW KP_DOWNARROW KP_RIGHTARROW KP_LEFTARROW KP_INS KP_DEL "
            "JOY1 JOY2 JOY3 JOY4 MWHEELDOWN MWHEELUP ");
}

using Locator = EditorTest;

TEST_F(Locator, ListsTheSubfoldersTheGameCanReachInNameOrderWithoutRegardToCase) {
  for (auto name : {"zeta", "Alpha", "beta", ".hidden", "Caf\xC3\xA9", "\xE3\x81\x82"}) {
    fs::create_directories(disk / "Program Files" / Utf8Path(name));
  }
  WriteBytes(disk / "Program Files" / "autoexec.cfg", "");
  // Left out: a name the code page cannot write, a hidden one, a file.
  EXPECT_EQ(ListSubfolders(drives, "c:\\program files"),
            (std::vector<std::string>{"Alpha", "beta", "Caf\xE9", "zeta"}));
}

TEST_F(Locator, StartsAtTheProcessFolderOnlyOnTheDriveItLiesOn) {
  TempFolder other;
  drives.SetDrive('e', other.path());
  fs::create_directories(disk / "Program Files" / "Vellmar");
  const fs::path previous = fs::current_path();
  fs::current_path(disk / "Program Files" / "Vellmar");
  const auto process_folder = ProcessFolder(drives);
  fs::current_path(previous);  // on no drive of the table: the first drive's root
  EXPECT_EQ(process_folder, "c:\\Program Files\\Vellmar");
  EXPECT_EQ(LocatorStartFolder(process_folder, drives), "c:\\Program Files\\Vellmar");
  EXPECT_EQ(DriveCurrentFolder(process_folder, "C:"), "c:\\Program Files\\Vellmar");
  EXPECT_EQ(DriveCurrentFolder(process_folder, "e:"), "e:\\");
  EXPECT_EQ(ProcessFolder(drives), std::nullopt);
  EXPECT_EQ(LocatorStartFolder(std::nullopt, drives), "c:\\");
  EXPECT_EQ(LocatorStartFolder(std::nullopt, DriveTable()), "");
}

}  // namespace
}  // namespace vbe::testing

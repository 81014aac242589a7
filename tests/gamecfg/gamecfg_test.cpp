#include <gtest/gtest.h>

#include <set>

#include "gamecfg/autoexec.h"
#include "gamecfg/key_catalogue.h"
#include "gamecfg/locator.h"
#include "platform/folders.h"
#include "support/editor_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

// Every name the chooser offers is a key the autoexec line can carry as it stands.
TEST(KeyCatalogue, Holds76DistinctKeysWithoutQuoteOrSpaceAndNotThePrompt) {
  EXPECT_EQ(KeyCatalogue.size(), 76u);
  const std::set<std::string_view> distinct(KeyCatalogue.begin(), KeyCatalogue.end());
  EXPECT_EQ(distinct.size(), KeyCatalogue.size());
  EXPECT_EQ(distinct.count(KeyPrompt), 0u);
  for (std::string_view name : KeyCatalogue) {
    EXPECT_EQ(name.find_first_of("\" "), std::string_view::npos) << name;
    EXPECT_EQ(FindKeyProblem(name), KeyProblem::None) << name;
  }
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

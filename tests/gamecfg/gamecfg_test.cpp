#include <gtest/gtest.h>

#include "gamecfg/autoexec.h"
#include "gamecfg/key_catalogue.h"
#include "gamecfg/locator.h"
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

// Save with "Add bind to autoexec for me after saving" ticked, the game's main folder on c:.
class Autoexec : public EditorTest {
 protected:
  Autoexec() {
    fs::create_directories(main / "x;y");
    document.add_to_autoexec = true;
    document.key = "  p  ";
  }
  void Save(std::optional<std::string> name, Answer answer = Answer::Yes) {
    dialogs.boxes.clear();
    dialogs.file_choices = {std::move(name)};
    dialogs.answers = {answer};
    SaveBind(editor);
  }

  const fs::path main = disk / "Program Files" / "Vellmar" / "main";
  const fs::path autoexec = main / "autoexec.cfg";
};

TEST_F(Autoexec, KeyCheckRefusesAMissingKeyOrADoubleQuoteWhileTheOptionIsOn) {
  const std::string start = "Ok here's the problem ..\r\n\r\n",
                    end = "\r\n\r\nGo pick one from the drop down list and try again.";
  const Box no_key{start +
                       "You've asked the program to add the bind to your autoexec.cfg file,\r\n"
                       "BUT, you haven't specified a key to bind it too." +
                       end,
                   "D'oh!", 48};
  const Box quote{start + "The key to bind can't contain a double quote (\")." + end, "D'oh!", 48};
  const std::tuple<bool, std::string, Boxes> cases[] = {
      {false, "Choose your key", {}}, {false, "a\"b", {}},
      {true, "choose your key", {}},  {true, " Choose your key", {}},
      {true, "", {no_key}},           {true, "Choose your key", {no_key}},
      {true, "   ", {no_key}},        {true, "KP\"ENTER", {quote}}};
  for (const auto& [option, key, boxes] : cases) {
    document.add_to_autoexec = option;
    document.key = key;
    dialogs.boxes.clear();
    EXPECT_EQ(CheckAutoexecKey(editor), boxes.empty()) << key;
    EXPECT_EQ(dialogs.boxes, boxes) << key;
  }
}

TEST_F(Autoexec, AsksAfterASuccessfulSaveAndOnYesAppendsTheTrimmedKeyAndTheBareName) {
  document.add_to_autoexec = false;
  Save("c:\\hello.cfg");
  EXPECT_TRUE(dialogs.boxes.empty());
  document.add_to_autoexec = true;
  Save("c:\\no such folder\\hello.cfg");
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "Save Error");
  // "c:\program files\Vellmar\main" reaches "Program Files/Vellmar/main"; a missing
  // autoexec.cfg is created, and each confirmed save adds a line.
  const std::string line = "bind \"p\" exec hello.cfg\r\n";
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes, Answer::Yes}) {
    Save("c:\\hello.cfg", answer);
    EXPECT_EQ(
        dialogs.boxes,
        (Boxes{{"File saved .. Proceed to modify autoexec.cfg file?", "Modify autoexec?", 67}}));
    EXPECT_EQ(fs::exists(autoexec), answer == Answer::Yes);
  }
  document.key = "KP_PAGEDOWN";
  fs::create_directory(disk / "binds");
  Save("c:\\binds/greet");  // only the backslash separates
  EXPECT_EQ(ReadBytes(autoexec), line + line + "bind \"KP_PAGEDOWN\" exec binds/greet\r\n");

  // Only the name itself is written, after a line end where the last line lacks one.
  document.key = "  p  ";
  document.autoexec_folder = " c:\\PROGRAM FILES\\vellmar\\main  ";
  const std::pair<std::string, std::string> cases[] = {
      {"exec config.cfg\r\n", "exec config.cfg\r\n" + line},
      {"exec config.cfg\n", "exec config.cfg\n" + line},
      {"exec config.cfg", "exec config.cfg\r\n" + line}};
  for (const auto& [before, after] : cases) {
    WriteBytes(autoexec, before);
    Save("c:\\program files\\Vellmar\\main\\x;y\\hello.cfg");
    EXPECT_EQ(ReadBytes(autoexec), after) << before;
  }
}

TEST_F(Autoexec, ReportsAFailureAndKeepsTheBindSaved) {
  const std::string unsafe =
      "The bind file's name holds a double quote, a semicolon or a control character, which the "
      "game's console would read as the end of the command. Save the bind under a plainer name.";
  const std::string game = "c:\\program files\\Vellmar\\main", path = game + "\\autoexec.cfg";
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"c:\\no such folder", "a.cfg",
       "c:\\no such folder\\autoexec.cfg\r\n\r\nNo such file or directory."},
      {game, "a;quit.cfg", path + "\r\n\r\n" + unsafe},
#ifndef _WIN32  // Windows refuses a double quote in a file name: such a bind is never saved
      {game, "say\"hi.cfg", path + "\r\n\r\n" + unsafe},
#endif
  };
  for (const auto& [folder, name, text] : cases) {
    document.autoexec_folder = folder;
    Save("c:\\" + name);
    EXPECT_EQ(fs::file_size(disk / name), 352u);
    ASSERT_EQ(dialogs.boxes.size(), 2u) << name;
    EXPECT_EQ(dialogs.boxes[1],
              (Box{"The bind file is saved, but the bind could not be added to " + text,
                   "Autoexec Error", 16}));
  }
  EXPECT_FALSE(fs::exists(autoexec));
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
  const std::string start = LocatorStartFolder(drives), e = DriveCurrentFolder(drives, "e:");
  fs::current_path(previous);  // on no drive of the table: the first drive's root
  EXPECT_EQ(start, "c:\\Program Files\\Vellmar");
  EXPECT_EQ(e, "e:\\");
  EXPECT_EQ(LocatorStartFolder(drives), "c:\\");
  EXPECT_EQ(LocatorStartFolder(DriveTable()), "");
}

}  // namespace
}  // namespace vbe::testing

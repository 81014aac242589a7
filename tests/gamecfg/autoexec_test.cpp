#include "gamecfg/autoexec.h"

#include <gtest/gtest.h>

#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::RecordingAudio;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

const std::string NoKeyText =
    "Ok here's the problem ..\r\n\r\n"
    "You've asked the program to add the bind to your autoexec.cfg file,\r\n"
    "BUT, you haven't specified a key to bind it too.\r\n\r\n"
    "Go pick one from the drop down list and try again.";
const std::string QuoteInKeyText =
    "Ok here's the problem ..\r\n\r\n"
    "The key to bind can't contain a double quote (\").\r\n\r\n"
    "Go pick one from the drop down list and try again.";

TEST(FileNamePart, CutsAtTheLastBackslashOnly) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"c:\\binds\\hello.cfg", "hello.cfg"},
      {"C:\\binds\\greet", "greet"},
      {"hello.cfg", "hello.cfg"},
      {"z:\\home/ann/binds/x.cfg", "home/ann/binds/x.cfg"},
      {"c:\\my binds\\big one.cfg", "big one.cfg"},
      {"c:\\binds\\", ""},
      {"", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(FileNamePart(path), name) << path;
}

TEST(ComposeAutoexecLine, QuotesTheTrimmedKeyAndNamesTheBareFile) {
  struct Case {
    std::string_view key, path, line;
  };
  const Case cases[] = {
      {"p", "c:\\anywhere\\myfile.cfg", "bind \"p\" exec myfile.cfg"},
      {"  p  ", "c:\\x\\myfile.cfg", "bind \"p\" exec myfile.cfg"},
      {"KP_ENTER", "z:\\home\\ann\\my binds\\big one.cfg", "bind \"KP_ENTER\" exec big one.cfg"},
      {"\\", "C:\\binds\\greet", "bind \"\\\" exec greet"},
      {"\tq ", "hi.cfg", "bind \"\tq\" exec hi.cfg"},  // only spaces are trimmed
  };
  for (const Case& c : cases) EXPECT_EQ(ComposeAutoexecLine(c.key, c.path), c.line) << c.key;
}

TEST(AutoexecPath, TrimsTheFolderAndAlwaysAddsTheBackslash) {
  EXPECT_EQ(AutoexecPath("  c:\\program files\\Vellmar\\main "),
            "c:\\program files\\Vellmar\\main\\autoexec.cfg");
  EXPECT_EQ(AutoexecPath("c:\\"), "c:\\\\autoexec.cfg");
}

// A document, a scripted user and drive c: holding the game's main folder.
class Autoexec : public ::testing::Test {
 protected:
  Autoexec() {
    drives.SetDrive('c', disk.path());
    fs::create_directories(main_folder());
    document.add_to_autoexec = true;
    document.key = "  p  ";
    document.file_name = "z:\\home\\ann\\binds\\hello.cfg";
  }
  fs::path main_folder() const { return disk / "Program Files" / "Vellmar" / "main"; }
  std::string Autoexec_cfg() const { return ReadBytes(main_folder() / "autoexec.cfg"); }
  void AppendWithYes() {
    dialogs.answers = {Answer::Yes};
    AppendAutoexecBind(editor);
  }

  TempFolder disk;
  DriveTable drives;
  MemoryBindDocument document;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  EditorServices editor{document, dialogs, drives, audio};
};

TEST_F(Autoexec, KeyCheckRefusesOnlyAMissingKeyOrAQuoteWhileTheOptionIsOn) {
  struct Case {
    bool option;
    std::string key;
    const std::string* message;  // null: the check passes silently
  };
  const Case cases[] = {
      {false, "", nullptr},
      {false, "Choose your key", nullptr},
      {false, "a\"b", nullptr},
      {true, "", &NoKeyText},
      {true, "Choose your key", &NoKeyText},
      {true, "   ", &NoKeyText},
      {true, "choose your key", nullptr},
      {true, " Choose your key", nullptr},
      {true, "p", nullptr},
      {true, "F1", nullptr},
      {true, "\"", &QuoteInKeyText},
      {true, "KP\"ENTER", &QuoteInKeyText},
      {true, " \" ", &QuoteInKeyText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.option ? "on" : "off") + " [" + c.key + "]");
    document.add_to_autoexec = c.option;
    document.key = c.key;
    dialogs.boxes.clear();

    EXPECT_EQ(CheckAutoexecKey(editor), c.message == nullptr);

    if (c.message) {
      ASSERT_EQ(dialogs.boxes.size(), 1u);
      EXPECT_EQ(dialogs.boxes[0].text, *c.message);
      EXPECT_EQ(dialogs.boxes[0].title, "D'oh!");
      EXPECT_EQ(dialogs.boxes[0].style, 48);
    } else {
      EXPECT_TRUE(dialogs.boxes.empty());
    }
    EXPECT_EQ(document.key, c.key) << "the key is left as it was";
  }
}

TEST_F(Autoexec, AsksAndAppendsOnlyOnYes) {
  document.autoexec_folder = "c:\\program files\\Vellmar\\main";
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
    dialogs.boxes.clear();
    dialogs.answers = {answer};

    AppendAutoexecBind(editor);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "File saved .. Proceed to modify autoexec.cfg file?");
    EXPECT_EQ(dialogs.boxes[0].title, "Modify autoexec?");
    EXPECT_EQ(dialogs.boxes[0].style, 67);
    EXPECT_EQ(fs::exists(main_folder() / "autoexec.cfg"), answer == Answer::Yes);
  }
  EXPECT_EQ(Autoexec_cfg(), "bind \"p\" exec hello.cfg\r\n");
  EXPECT_TRUE(audio.commands.empty());
  EXPECT_EQ(document.key, "  p  ");
  EXPECT_EQ(document.autoexec_folder, "c:\\program files\\Vellmar\\main");
}

TEST_F(Autoexec, AddsALineAtTheEndAndMendsAMissingLineEnd) {
  document.autoexec_folder = " c:\\PROGRAM FILES\\vellmar\\main  ";
  const std::string line = "bind \"p\" exec hello.cfg\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", line},
      {"exec config.cfg\r\n", "exec config.cfg\r\n" + line},
      {"exec config.cfg\n", "exec config.cfg\n" + line},
      {"exec config.cfg", "exec config.cfg\r\n" + line},
      {"exec config.cfg\r", "exec config.cfg\r\r\n" + line},
      {"bind \"p\" exec old.cfg\r\n", "bind \"p\" exec old.cfg\r\n" + line},
  };
  for (const auto& [before, after] : cases) {
    WriteBytes(main_folder() / "autoexec.cfg", before);
    AppendWithYes();
    EXPECT_EQ(Autoexec_cfg(), after) << before;
  }
  EXPECT_EQ(dialogs.boxes.size(), std::size(cases)) << "only the questions were shown";
}

TEST_F(Autoexec, CreatesTheFileAndAddsOneLinePerConfirmedSave) {
  document.autoexec_folder = "c:\\program files\\Vellmar\\main";
  AppendWithYes();
  EXPECT_EQ(Autoexec_cfg(), "bind \"p\" exec hello.cfg\r\n");
  AppendWithYes();
  EXPECT_EQ(Autoexec_cfg(), "bind \"p\" exec hello.cfg\r\nbind \"p\" exec hello.cfg\r\n");

  document.key = "KP_PAGEDOWN";
  document.file_name = "C:\\binds\\greet";
  AppendWithYes();
  EXPECT_EQ(Autoexec_cfg(),
            "bind \"p\" exec hello.cfg\r\nbind \"p\" exec hello.cfg\r\n"
            "bind \"KP_PAGEDOWN\" exec greet\r\n");
  EXPECT_FALSE(fs::exists(disk / "program files")) << "the existing folder was found";
}

TEST_F(Autoexec, ReportsAnAutoexecThatCannotBeWritten) {
  fs::create_directories(disk / "game" / "autoexec.cfg");
  const std::pair<std::string, std::string> cases[] = {
      {"c:\\no such folder", "c:\\no such folder\\autoexec.cfg\r\n\r\nNo such file or directory."},
      {"q:\\game", "q:\\game\\autoexec.cfg\r\n\r\nThe path is on no drive of this machine."},
      {"c:\\game", "c:\\game\\autoexec.cfg\r\n\r\nIs a directory."},
  };
  for (const auto& [folder, text] : cases) {
    document.autoexec_folder = folder;
    dialogs.boxes.clear();
    AppendWithYes();
    ASSERT_EQ(dialogs.boxes.size(), 2u) << folder;
    EXPECT_EQ(dialogs.boxes[1].text,
              "The bind file is saved, but the bind could not be added to " + text);
    EXPECT_EQ(dialogs.boxes[1].title, "Autoexec Error");
    EXPECT_EQ(dialogs.boxes[1].style, 16);
  }
  EXPECT_FALSE(fs::exists(disk / "no such folder"));
  EXPECT_TRUE(fs::is_directory(disk / "game" / "autoexec.cfg"));
}

TEST_F(Autoexec, RefusesABindFileNameThatWouldBreakTheConsoleLine) {
  document.autoexec_folder = "c:\\program files\\Vellmar\\main";
  for (const std::string name : {"a;quit.cfg", "say\"hi.cfg", "tab\ty.cfg"}) {
    document.file_name = "c:\\" + name;
    dialogs.boxes.clear();
    AppendWithYes();
    ASSERT_EQ(dialogs.boxes.size(), 2u) << name;
    EXPECT_EQ(dialogs.boxes[1].title, "Autoexec Error");
    EXPECT_NE(dialogs.boxes[1].text.find("plainer name"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(main_folder() / "autoexec.cfg"));

  document.file_name = "c:\\x;y\\fine name.cfg";  // only the name itself is written
  AppendWithYes();
  EXPECT_EQ(Autoexec_cfg(), "bind \"p\" exec fine name.cfg\r\n");
}

}  // namespace
}  // namespace vbe

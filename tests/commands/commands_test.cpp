#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#ifndef _WIN32
#include "support/other_user.h"
#endif

#include "commands/autoexec_update.h"
#include "commands/operations.h"
#include "commands/save_checks.h"
#include "commands/spacing_fixer_run.h"
#include "gamecfg/autoexec.h"
#include "platform/code_page.h"
#include "platform/file_io.h"
#include "support/editor_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

using Operations = EditorTest;
using Make = std::function<void(const fs::path& file)>;  // creates what `file` names
const BindLines kBefore = {"before", "", "", "", "", "", "", "x"};
const BindLines kSaved = {" one", "\x85two", "", "", "", "", "", "eight"};
const auto Yellow = [] { return BindBytes(kSaved, TextColour::Yellow); };

// The document of the worked example and the 352 bytes Save writes for it.
std::string SetWorkedExample(MemoryBindDocument& document) {
  document.lines = {"one", "two", "three", "", "  five", "six  ", "", "eight"};
  document.colour = TextColour::Yellow;
  const auto sp = [](std::size_t n) { return std::string(n, ' '); };
  const std::string say = "say \"\r>", gap = sp(6), end = "\"\r\n";
  return say + "one" + sp(33) + gap + "two" + sp(33) + end +       //
         say + "three" + sp(31) + gap + sp(36) + end +             //
         say + "  five" + sp(30) + gap + "six  " + sp(31) + end +  //
         say + sp(36) + gap + "eight" + sp(31) + end;
}

TEST_F(Operations, SavePlaysItsCueAndWritesTheWorkedExampleOrSaysWhyNotKeepingTheOldFile) {
  const std::string example = SetWorkedExample(document);
  ASSERT_EQ(example.size(), 352u);
  EXPECT_EQ(example.substr(0, 11), "\x73\x61\x79\x20\x22\x0D\x3E\x6F\x6E\x65\x20");
  EXPECT_EQ(example.substr(84, 12), "\x20\x22\x0D\x0A\x73\x61\x79\x20\x22\x0D\x3E\x74");
  WriteBytes(disk / "big.cfg", std::string(5000, '#'));
  WriteBytes(disk / "locked.cfg", "old bind");
  fs::permissions(disk / "locked.cfg", fs::perms::owner_read);
  document.file_name = disk / "before.cfg";
  dialogs.file_choices = {std::nullopt, disk / "big.cfg", disk / "greet", disk / "locked.cfg",
                          disk / "no such folder" / "x.cfg"};
  std::vector<std::vector<std::string>> cues;  // what played before each dialog
  dialogs.on_file_dialog = [&] { cues.push_back(std::exchange(audio.commands, {})); };
  audio.answer = 263;  // no sound device: nothing changes

  for (int attempt = 0; attempt < 5; ++attempt) SaveBind(editor);

  EXPECT_EQ(cues, std::vector(5, Cue("robot~18")));
  EXPECT_EQ(ReadBytes(disk / "big.cfg"), example) << "5000 bytes before";
  EXPECT_EQ(ReadBytes(disk / "greet"), example) << "no extension added";
  // Each dialog starts from the name chosen last, kept when cancelled and when the save failed.
  std::vector<fs::path> started_from;
  for (const auto& request : dialogs.file_requests) started_from.push_back(request.started_from);
  EXPECT_EQ(started_from,
            (std::vector<fs::path>{disk / "before.cfg", disk / "before.cfg", disk / "big.cfg",
                                   disk / "greet", disk / "locked.cfg"}));
  EXPECT_EQ(document.file_name, disk / "no such folder" / "x.cfg");
  const auto error = [](const fs::path& file, const std::string& reason) {
    return Box{"The bind could not be saved to " + PathToUtf8(file) + "\r\n\r\n" + reason,
               "Save Error", 16};
  };
  EXPECT_EQ(dialogs.boxes,
            (Boxes{error(disk / "locked.cfg", "The file is read-only."),
                   error(disk / "no such folder" / "x.cfg", "No such file or directory.")}));
  EXPECT_EQ(ReadBytes(disk / "locked.cfg"), "old bind");
  EXPECT_EQ(std::distance(fs::directory_iterator(disk.path()), {}), 3) << "no temporary file";
}

TEST_F(Operations, NewAsksAndOnYesOnlyEmptiesTheLines) {
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
    document.lines = kSaved;
    document.colour = TextColour::Yellow;
    document.file_name = disk / "b.cfg";
    dialogs.boxes.clear();
    dialogs.answers = {answer};
    NewBind(editor);
    EXPECT_EQ(dialogs.boxes, (Boxes{{"Start a new file? Are you sure?", "WaRnInG!", 19}}));
    EXPECT_EQ(document.lines, answer == Answer::Yes ? BindLines{} : kSaved);
    EXPECT_EQ(document.colour, TextColour::Yellow);
    EXPECT_EQ(document.file_name, disk / "b.cfg");
  }
  EXPECT_TRUE(audio.commands.empty() && dialogs.file_requests.empty()) << "no cue, no dialog";
}

TEST_F(Operations, SaveChecksTheKeyThenTheFirstLineWithADoubleQuoteBeforeAnythingElse) {
  const auto error = [](int line) {
    return Box{"Line " + std::to_string(line) +
                   " has the \" character in it. This causes problems to this program and "
                   "Vellmar.\r\nPlease remove/replace these",
               "Character Error", 16};
  };
  document.lines[1] = "say \"hi\"";
  document.lines[5] = "\"";
  dialogs.file_choices = {disk / "x.cfg"};
  document.add_to_autoexec = true;  // and no key chosen
  SaveBind(editor);
  document.add_to_autoexec = false;
  SaveBind(editor);
  document.lines[1] = "say hi";
  SaveBind(editor);
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[0].title, "D'oh!");
  EXPECT_EQ(dialogs.boxes[1], error(2));
  EXPECT_EQ(dialogs.boxes[2], error(6));
  EXPECT_TRUE(audio.commands.empty() && dialogs.file_requests.empty()) << "no cue, no dialog";
  EXPECT_FALSE(fs::exists(disk / "x.cfg"));
}

TEST_F(Operations, OpenPlaysItsCueAndReadsTheLinesAndTheColourOrChangesNothing) {
  // The longest file Open reads: only its first 352 bytes count.
  WriteBytes(disk / "b.cfg", Yellow() + std::string(32767 - 352, '"'));
  WriteBytes(disk / "huge.cfg", std::string(32768, ' '));
  std::vector<std::string> cue;
  dialogs.on_file_dialog = [&] { cue = std::exchange(audio.commands, {}); };
  dialogs.file_choices = {disk / "b.cfg", disk / "missing.cfg", disk / "huge.cfg", std::nullopt};

  OpenBind(editor);
  EXPECT_EQ(cue, Cue("robot~15"));
  ASSERT_EQ(dialogs.file_requests.size(), 1u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Open);
  EXPECT_EQ(document.lines, kSaved);
  EXPECT_EQ(document.colour, TextColour::Yellow);

  const int changes = document.line_changes;
  for (int attempt = 0; attempt < 3; ++attempt) OpenBind(editor);  // missing, too long, cancelled
  EXPECT_EQ(document.line_changes, changes);
  EXPECT_EQ(document.colour, TextColour::Yellow);
  EXPECT_EQ(document.file_name, disk / "huge.cfg") << "a cancelled dialog keeps the name";
  EXPECT_TRUE(dialogs.boxes.empty());
}

// A file named on the command line or dropped on the window: read as Open reads it, but with
// no cue and no dialog, and a file that cannot be read is reported in one box.
struct NamedFileCase {
  const char* name;
  Make make;
  std::optional<BindLines> lines;  // nothing: the lines stay as they were
  TextColour colour;
  const char* reason;  // empty: no box
  friend void PrintTo(const NamedFileCase& c, std::ostream* out) { *out << c.name; }
};

Make Bytes(std::string bytes) {
  return [bytes](const fs::path& f) { WriteBytes(f, bytes); };
}
void LinkToADevice([[maybe_unused]] const fs::path& file) {
#ifndef _WIN32
  fs::create_symlink("/dev/null", file);
#endif
}

class OpenNamedFile : public EditorTest, public ::testing::WithParamInterface<NamedFileCase> {};

TEST_P(OpenNamedFile, ReadsItAsOpenDoesWithoutCueOrDialogAndSaysWhyItCannot) {
  const NamedFileCase& c = GetParam();
#ifdef _WIN32
  if (std::string_view(c.name) == "NotAPlainFile") {
    GTEST_SKIP() << "MinGW's library cannot make symbolic links, and Windows has no /dev/null";
  }
#endif
  document.lines = kBefore;
  const fs::path file = disk / "named bind.cfg";
  c.make(file);

  OpenBindFile(editor, file);

  EXPECT_EQ(document.lines, c.lines.value_or(kBefore));
  EXPECT_EQ(document.colour, c.colour);
  EXPECT_EQ(document.file_name, file) << "the next save dialog starts from it";
  EXPECT_TRUE(audio.commands.empty() && dialogs.file_requests.empty()) << "no cue, no dialog";
  const std::string text = "The bind could not be opened from " + PathToUtf8(file) + "\r\n\r\n";
  EXPECT_EQ(dialogs.boxes, (*c.reason ? Boxes{{text + c.reason, "Open Error", 16}} : Boxes{}));
}

constexpr TextColour kWhite = TextColour::White;
INSTANTIATE_TEST_SUITE_P(
    Cases, OpenNamedFile,
    ::testing::Values(
        NamedFileCase{"FullLengthYellow", Bytes(Yellow() + "bind x\r\n"), kSaved,
                      TextColour::Yellow, ""},
        NamedFileCase{"ShortKeepsTheColour", Bytes(Yellow().substr(0, 351)), kSaved, kWhite, ""},
        NamedFileCase{"Empty", Bytes(""), BindLines{}, kWhite, ""},
        NamedFileCase{"Missing", [](const fs::path&) {}, std::nullopt, kWhite,
                      "No such file or directory."},
        NamedFileCase{"Folder", [](const fs::path& f) { fs::create_directory(f); }, std::nullopt,
                      kWhite, "Is a directory."},
        NamedFileCase{"TooLong", Bytes(Yellow() + std::string(MaxOpenFileLength - 351, ' ')),
                      std::nullopt, kWhite, "The file is too long."},
        NamedFileCase{"NotAPlainFile", LinkToADevice, std::nullopt, kWhite,
                      "It is not a plain file."}),
    [](const auto& info) { return std::string(info.param.name); });

// Root reads every file, so the reading runs in a child process that has given up root.
TEST_F(Operations, ANamedFileThatCannotBeReadSaysSoInOneBoxAndChangesNoLine) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no user ids to give up, and root's reading of every file with them";
#else
  document.lines = kBefore;
  const fs::path file = disk / "locked.cfg";
  WriteBytes(file, Yellow());
  fs::permissions(file, fs::perms::none);
  fs::permissions(disk.path(), fs::perms{0711});
  const Box box{
      "The bind could not be opened from " + PathToUtf8(file) + "\r\n\r\nPermission denied.",
      "Open Error", 16};
  const auto read_as_another_user = [&] {
    if (!BecomeOtherUser()) std::exit(3);
    OpenBindFile(editor, file);
    const bool as_expected = dialogs.boxes == Boxes{box} && document.lines == kBefore &&
                             document.file_name == file && audio.commands.empty();
    std::exit(as_expected ? 0 : 1);
  };
  EXPECT_EXIT(read_as_another_user(), ::testing::ExitedWithCode(0), "");
#endif
}

// A bind lives in any file the host can name, also where the game could never reach it.
TEST_F(Operations, SaveAndOpenWorkOnFilesTheGameCouldNotName) {
  const fs::path folder = disk / "\xC5\x82ukasz";  // a home folder outside the code page
  const fs::path file = folder / Utf8Path("\xC5\x81\xC3\xB3\x64\xC5\xBA.cfg");
  fs::create_directory(folder);
  document.lines = kSaved;
  dialogs.file_choices = {file, file};
  SaveBind(editor);
  EXPECT_EQ(ReadBytes(file), BindBytes(kSaved, TextColour::White));
  document.lines = {};
  OpenBind(editor);
  EXPECT_EQ(document.lines, kSaved);
  ASSERT_EQ(dialogs.file_requests.size(), 2u);
  EXPECT_EQ(dialogs.file_requests[1].started_from, file) << "the next dialog starts from it";
  EXPECT_TRUE(dialogs.boxes.empty());
}

// Save with "Add bind to autoexec for me after saving" ticked, the game's main folder on c:.
class Autoexec : public EditorTest {
 protected:
  Autoexec() {
    fs::create_directories(main / "x;y");
    document.add_to_autoexec = true;
    document.key = "  p  ";
  }
  void Save(std::optional<fs::path> name, Answer answer = Answer::Yes) {
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
    dialogs.boxes.clear();
    EXPECT_EQ(CheckAutoexecKey(option, key, dialogs), boxes.empty()) << key;
    EXPECT_EQ(dialogs.boxes, boxes) << key;
  }
}

TEST_F(Autoexec, AsksAfterASuccessfulSaveAndOnYesAppendsTheTrimmedKeyAndTheBareName) {
  document.add_to_autoexec = false;
  Save(disk / "hello.cfg");
  EXPECT_TRUE(dialogs.boxes.empty());
  document.add_to_autoexec = true;
  Save(disk / "no such folder" / "hello.cfg");
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "Save Error");
  // "c:\program files\Vellmar\main" reaches "Program Files/Vellmar/main"; a missing
  // autoexec.cfg is created, and each confirmed save adds a line.
  const std::string line = "bind \"p\" exec hello.cfg\r\n";
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes, Answer::Yes}) {
    Save(disk / "hello.cfg", answer);
    EXPECT_EQ(
        dialogs.boxes,
        (Boxes{{"File saved .. Proceed to modify autoexec.cfg file?", "Modify autoexec?", 67}}));
    EXPECT_EQ(fs::exists(autoexec), answer == Answer::Yes);
  }
  Save(disk / "Caf\xC3\xA9.cfg");  // in the code page: its letters are no control characters
  document.key = "KP_PAGEDOWN";
  fs::create_directory(disk / "binds");
  Save(disk / "binds" / "greet");
  EXPECT_EQ(ReadBytes(autoexec), line + line + "bind \"p\" exec Caf\xE9.cfg\r\n" +
                                     "bind \"KP_PAGEDOWN\" exec greet\r\n");
  EXPECT_EQ(FileNamePart("c:\\binds/greet"), "binds/greet") << "only the backslash separates";
}

// Only the name itself is written, after a line end where the last line lacks one.
class AutoexecEnding : public Autoexec,
                       public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(AutoexecEnding, GetsTheNewLineAfterALineEnd) {
  const auto& [before, after] = GetParam();
  document.autoexec_folder = " c:\\PROGRAM FILES\\vellmar\\main  ";
  WriteBytes(autoexec, before);
  Save(main / "x;y" / "hello.cfg");
  EXPECT_EQ(ReadBytes(autoexec), std::string(after) + "bind \"p\" exec hello.cfg\r\n");
}

INSTANTIATE_TEST_SUITE_P(Endings, AutoexecEnding,
                         ::testing::Values(std::pair{"x\r\n", "x\r\n"}, std::pair{"x\n", "x\n"},
                                           std::pair{"x\r", "x\r\n"}, std::pair{"x", "x\r\n"},
                                           std::pair{"", ""}));

// Each failure of the autoexec step is reported once, after the bind file is saved.
// `bind` is where the bind is saved, below the test's folder; `reason` is what the box says
// after the autoexec path and a blank row.
struct AutoexecFailure {
  const char* name;
  std::string folder;  // the autoexec folder
  fs::path bind;
  std::string reason;
  friend void PrintTo(const AutoexecFailure& c, std::ostream* out) { *out << c.name; }
};

class AutoexecFailures : public Autoexec, public ::testing::WithParamInterface<AutoexecFailure> {};

TEST_P(AutoexecFailures, AreReportedAndKeepTheBindSaved) {
  const AutoexecFailure& c = GetParam();
#ifdef _WIN32
  if (PathToUtf8(c.bind).find('"') != std::string::npos) {
    GTEST_SKIP() << "Windows refuses a double quote in a file name: such a bind is never saved";
  }
#endif
  TempFolder outside;  // a folder on no drive of the game
  const fs::path bind = c.bind.begin()->string() == "outside" ? outside.path() / c.bind.filename()
                                                              : disk.path() / c.bind;
  fs::create_directories(bind.parent_path());
  document.autoexec_folder = c.folder;
  Save(bind);
  EXPECT_EQ(fs::file_size(bind), 352u);
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  std::string reason = c.reason;
  if (const auto at = reason.find("BIND"); at != reason.npos) {
    reason.replace(at, 4, PathToUtf8(bind));
  }
  EXPECT_EQ(dialogs.boxes[1], (Box{"The bind file is saved, but the bind could not be added to " +
                                       Cp1252ToUtf8(AutoexecPath(c.folder)) + "\r\n\r\n" + reason,
                                   "Autoexec Error", 16}));
  EXPECT_FALSE(fs::exists(autoexec));
}

const std::string kGame = "c:\\program files\\Vellmar\\main";
const std::string kUnsafe =
    "The bind file's name holds a space, a double quote, a semicolon or a control character, "
    "which the game's console would read as the end of the name. Save the bind under a plainer "
    "name.";
const std::string kUnreachable =
    "The game cannot reach the bind file BIND: its folder lies on no drive of the game or has a "
    "name the game cannot write.";

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoexecFailures,
    ::testing::Values(
        AutoexecFailure{"MissingFolder", "c:\\no such folder\xE9", "a.cfg",
                        "No such file or directory. The file is unchanged."},
        AutoexecFailure{"Semicolon", kGame, "a;quit.cfg", kUnsafe},
        AutoexecFailure{"Space", kGame, "with space.cfg", kUnsafe},
        AutoexecFailure{"DoubleQuote", kGame, "say\"hi.cfg", kUnsafe},
        AutoexecFailure{"NameOutsideTheCodePage", kGame,
                        Utf8Path("\xC5\x81\xC3\xB3\x64\xC5\xBA.cfg"),
                        "The bind file's name \xC5\x81\xC3\xB3\x64\xC5\xBA.cfg holds letters the "
                        "game cannot write. Save the bind under a name of plain letters."},
        AutoexecFailure{"FolderOutsideTheCodePage", kGame, Utf8Path("\xC5\x82ukasz") / "a.cfg",
                        kUnreachable},
        AutoexecFailure{"FolderOnNoDrive", kGame, fs::path("outside") / "a.cfg", kUnreachable}),
    [](const auto& info) { return std::string(info.param.name); });

using SpacingFixer = EditorTest;

TEST_F(SpacingFixer, ShowsItsFourBoxesWithAndWithoutLongLines) {
  const std::pair<BindLines, std::string> cases[] = {
      {{std::string(32, 'x'), "", "a", std::string(32, 'x') + "    "},
       "Doesn't seem to be any line length problems in this bind.\r\nContinue?"},
      {{"", "", std::string(33, 'x'), "", "", "", "    " + std::string(32, 'y'), ""},
       "Line 3 may be too long.\r\nLine 7 may be too long.\r\n\r\n\r\n"
       "Do you wish to continue? Or cancel to fix these problems?"},
  };
  for (const auto& [lines, step_one_rest] : cases) {
    document.lines = lines;
    dialogs.boxes.clear();
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
    RunSpacingFixer(document, dialogs);
    EXPECT_EQ(dialogs.boxes,
              (Boxes{{"Spacing Fixer\r\n\r\n"
                      "This will attempt to fix problems you may have with the spacing\r\n"
                      "of your binds.\r\n\r\nAre you sure you want to go ahead?",
                      "Spacing Fixer Warning", 67},
                     {"Spacing Fixer - Step 1\r\n\r\n"
                      "The program has checked the length of each line for problems ..\r\n\r\n" +
                          step_one_rest,
                      "Step 1", 65},
                     {"Spacing Fixer - Step 2\r\n\r\n"
                      "The program will now place an invisible to Vellmar character\r\n"
                      "down the left hand side of the bind\r\n\r\n"
                      "This will replace whatever character is there\r\n\r\n"
                      "Are you sure you wish to continue?",
                      "Step 2", 65},
                     {"Finised ...\r\n\r\nNow save the bind and try it again to see if the "
                      "spacing\r\nworks ok..",
                      "Finished", 64}}));
  }
}

TEST_F(SpacingFixer, MarksTheLinesOnlyWhenAllThreeQuestionsAreAnswered) {
  const std::string m = "\x85", full = "0123456789abcdefghijklmnopqrstuvwxyz";
  document.lines = {std::string(33, 'x'), "one", "abc", "", full, "  art", m + "ok", " "};
  for (const std::deque<Answer>& answers :
       {std::deque{Answer::No}, std::deque{Answer::Cancel}, std::deque{Answer::Yes, Answer::Cancel},
        std::deque{Answer::Yes, Answer::Ok, Answer::Cancel}}) {
    dialogs.boxes.clear();
    dialogs.answers = answers;
    RunSpacingFixer(document, dialogs);
    EXPECT_EQ(dialogs.boxes.size(), answers.size()) << "declined: no further box";
  }
  EXPECT_EQ(document.line_changes, 0);
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  RunSpacingFixer(document, dialogs);
  EXPECT_EQ(document.lines, (BindLines{m + std::string(32, 'x'), m + "ne", m + "bc", m,
                                       m + full.substr(1), m + " art", m + "ok", m}));
}

}  // namespace
}  // namespace vbe::testing

// The main window's behaviour, against a fake view and the scripted user.
#include <algorithm>
#include <functional>

#include "app/fake_views.h"
#include "support/cue_file.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

TEST_F(MainWindowTest, LoadSetsUpTheFileDialogAndAppendsTheKeyNamesKeepingThePrompt) {
  window.Load();
  EXPECT_EQ(dialogs.file_filter, "Config files (*.cfg)|*.cfg|All Files (*.*)|*.*|");
  EXPECT_EQ(dialogs.file_flags, 2);
  ASSERT_EQ(view[kKeyChooser].added.size(), 76u);
  EXPECT_EQ(view[kKeyChooser].added[26], u"\\") << "in the catalogue's order";
  EXPECT_EQ(view[kKeyChooser].text, u"Choose your key");
  EXPECT_TRUE(dialogs.boxes.empty() && audio.commands.empty());
}

// What each command reaches first, with nothing scripted: every box answers Cancel or OK, and
// every file dialog is cancelled.
struct CommandCase {
  const char* name;
  MainCommand command;
  std::vector<std::string> box_titles;
  std::vector<std::string> cues;
  std::size_t file_dialogs;
  std::vector<std::string> window_calls;
  int program_ends;
  bool preview_composed;
  friend void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }
};

class Command : public MainWindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Command, ReachesItsOperationOnly) {
  const CommandCase& c = GetParam();
  view.Line(1) = u"kept";
  window.OnCommand(c.command);
  std::vector<std::string> titles;
  for (const Box& box : dialogs.boxes) titles.push_back(box.title);
  EXPECT_EQ(titles, c.box_titles);
  EXPECT_EQ(audio.commands, c.cues);
  EXPECT_EQ(dialogs.file_requests.size(), c.file_dialogs);
  EXPECT_EQ(view.window_calls, c.window_calls);
  EXPECT_EQ(view.program_ends, c.program_ends);
  EXPECT_EQ(view[kPreviewBox].full_sets, c.preview_composed ? 1 : 0);
  EXPECT_EQ(view.Line(1), u"kept");
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Command,
    ::testing::Values(
        CommandCase{"New", MainCommand::NewBind, {"WaRnInG!"}, {}, 0, {}, 0, false},
        CommandCase{
            "StopCue", MainCommand::StopCue, {}, {"stop sound", "close sound"}, 0, {}, 0, false},
        CommandCase{"Open", MainCommand::OpenBind, {}, Cue("robot~15"), 1, {}, 0, false},
        CommandCase{"Save", MainCommand::SaveBind, {}, Cue("robot~18"), 1, {}, 0, false},
        CommandCase{"UpdatePreview", MainCommand::UpdatePreview, {}, {}, 0, {}, 0, true},
        CommandCase{"Exit", MainCommand::Exit, {}, Cue("robotz~8"), 0, {}, 1, false},
        CommandCase{"Locate", MainCommand::Locate, {}, {}, 0, {"open locator"}, 0, false},
        CommandCase{"ReadMe", MainCommand::ReadMe, {}, {}, 0, {"open readme"}, 0, false},
        CommandCase{"SpacingFixer",
                    MainCommand::SpacingFixer,
                    {"Spacing Fixer Warning"},
                    {},
                    0,
                    {},
                    0,
                    false},
        CommandCase{"None", MainCommand::None, {}, {}, 0, {}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Every control of the main window's table carries the command its event needs; the line
// editors carry their line instead.
TEST(MainWindowTable, EveryButtonAndChoiceCarriesItsCommandAndEveryLineEditorItsLine) {
  const std::pair<const char*, MainCommand> expected[] = {
      {kNewButton, MainCommand::NewBind},
      {kStopCueButton, MainCommand::StopCue},
      {kOpenButton, MainCommand::OpenBind},
      {kSaveButton, MainCommand::SaveBind},
      {kUpdatePreviewButton, MainCommand::UpdatePreview},
      {kExitButton, MainCommand::Exit},
      {kLocateButton, MainCommand::Locate},
      {kReadMeButton, MainCommand::ReadMe},
      {kSpacingFixerButton, MainCommand::SpacingFixer},
      {kAutoPreviewCheck, MainCommand::AutoPreview},
      {kWhiteOption, MainCommand::UseWhite},
      {kYellowOption, MainCommand::UseYellow},
  };
  int lines = 0;
  for (const ControlRow& row : MainWindowControls()) {
    const auto found = std::find_if(std::begin(expected), std::end(expected), [&](const auto& e) {
      return std::string_view(e.first) == row.name;
    });
    EXPECT_EQ(row.command.main, found == std::end(expected) ? MainCommand::None : found->second)
        << row.name;
    if (row.line) {
      EXPECT_EQ(row.name, "Text" + std::to_string(row.line));
      EXPECT_EQ(row.max_length, 36);
      ++lines;
    }
  }
  EXPECT_EQ(lines, 8);
}

using std::chrono::milliseconds;

// Exit plays its cue, closes the secondary windows and hides the main window at once, and ends
// the program once the cue has played: its length and the output's allowance, 3 s at most; at
// once for a cue that cannot be read. Nothing after that ends it again or plays a cue.
struct ExitCase {
  const char* name;
  std::optional<milliseconds> cue;  // the exit cue's file: its length, or none
  milliseconds wait;                // 0: ends at once
  friend void PrintTo(const ExitCase& c, std::ostream* out) { *out << c.name; }
};

class ExitWaitsForItsCue : public MainWindowTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitWaitsForItsCue, HidingEverythingAtOnceAndEndingOnce) {
  const ExitCase& c = GetParam();
  if (c.cue) WriteExitCue(disk.path(), *c.cue);
  view.open = {SecondaryWindow::ReadMe, SecondaryWindow::Locator};
  window.OnCommand(MainCommand::Exit);
  EXPECT_TRUE(view.hidden);
  EXPECT_EQ(view.window_calls, (std::vector<std::string>{"close readme", "close locator"}));
  EXPECT_EQ(audio.commands, Cue("robotz~8"));
  if (c.wait.count()) {
    EXPECT_EQ(view.exit_waits, std::vector{c.wait});
    EXPECT_EQ(view.program_ends, 0) << "ends only when the wait is over";
    window.OnExitWaitOver();
  } else {
    EXPECT_TRUE(view.exit_waits.empty());
  }
  EXPECT_EQ(view.program_ends, 1);
  window.OnExitWaitOver();
  window.OnClose();
  window.OnCommand(MainCommand::Exit);
  window.OnSessionEnd();
  EXPECT_EQ(view.program_ends, 1);
  EXPECT_EQ(audio.commands, Cue("robotz~8"));
}

INSTANTIATE_TEST_SUITE_P(
    Cues, ExitWaitsForItsCue,
    ::testing::Values(ExitCase{"NoCueFile", std::nullopt, milliseconds(0)},
                      ExitCase{"ShortCue", milliseconds(1000), milliseconds(1250)},
                      ExitCase{"CueJustShorterThanTheLongestWait", milliseconds(2750),
                               milliseconds(3000)},
                      ExitCase{"LongCue", milliseconds(10000), milliseconds(3000)}),
    [](const auto& info) { return std::string(info.param.name); });

// While the exit cue plays, a second exit, the close control or the end of the session ends
// the program at once, and the wait's end changes nothing more; any other command does nothing.
TEST_F(MainWindowTest, ASecondRequestEndsTheWaitForTheExitCueAtOnce) {
  WriteExitCue(disk.path(), milliseconds(1000));
  const std::pair<const char*, std::function<void(MainWindow&)>> requests[] = {
      {"Exit", [](MainWindow& w) { w.OnCommand(MainCommand::Exit); }},
      {"close", [](MainWindow& w) { w.OnClose(); }},
      {"session end", [](MainWindow& w) { w.OnSessionEnd(); }}};
  for (const auto& [name, request] : requests) {
    SCOPED_TRACE(name);
    FakeMainView waiting;
    MainWindow behaviour(waiting, waiting, drives, dialogs, audio);
    waiting.on_line_change = [&](int line) { behaviour.OnLineChanged(line); };
    behaviour.OnSessionEnd();
    EXPECT_EQ(waiting.program_ends, 0) << "a session end leaves a window in use alone";
    behaviour.OnClose();
    audio.commands.clear();
    behaviour.OnCommand(MainCommand::OpenBind);
    EXPECT_TRUE(audio.commands.empty() && dialogs.file_requests.empty());
    EXPECT_EQ(waiting.program_ends, 0);
    request(behaviour);
    EXPECT_EQ(waiting.program_ends, 1);
    behaviour.OnExitWaitOver();
    EXPECT_EQ(waiting.program_ends, 1);
    EXPECT_TRUE(audio.commands.empty()) << "no second cue";
  }
}

// A secondary window: made on first use; a second press restores a minimised one and brings
// it to the front; once closed, the next press makes a new one.
TEST_F(MainWindowTest, EachSecondaryWindowHasOneInstance) {
  for (auto [command, which, name] :
       {std::tuple{MainCommand::Locate, SecondaryWindow::Locator, std::string("locator")},
        std::tuple{MainCommand::ReadMe, SecondaryWindow::ReadMe, std::string("readme")}}) {
    view.window_calls.clear();
    window.OnCommand(command);
    window.OnCommand(command);
    view.minimised.insert(which);
    window.OnCommand(command);
    view.open.erase(which);
    window.OnCommand(command);
    EXPECT_EQ(view.window_calls,
              (std::vector<std::string>{"open " + name, "raise " + name, "restore " + name,
                                        "raise " + name, "open " + name}));
  }
}

// The Check1 click sets Command5: enabled unless Auto Preview is on.
TEST_F(MainWindowTest, AutoPreviewsClickEnablesUpdatePreviewUnlessChecked) {
  for (const auto& [state, enabled] : {std::pair{0, true}, {1, false}, {2, true}, {1, false}}) {
    view[kAutoPreviewCheck].check = state;
    window.OnCommand(MainCommand::AutoPreview);
    EXPECT_EQ(view[kUpdatePreviewButton].enabled, enabled) << state;
  }
  EXPECT_EQ(view[kPreviewBox].full_sets, 0);
}

// Whatever goes wrong inside an event, the window stays and says so once.
TEST_F(MainWindowTest, AnExceptionInsideAnyEventIsShownAsTheCommandStoppedAndTheLinesStay) {
  const Box stopped{"The command stopped: the disk went away", "Error", 16};
  view.Line(1) = u"keep me";
  dialogs.on_file_dialog = [] { throw std::runtime_error("the disk went away"); };
  window.OnCommand(MainCommand::SaveBind);
  window.OnCommand(MainCommand::OpenBind);
  EXPECT_EQ(dialogs.boxes, (Boxes{stopped, stopped}));
  view.throw_on_check = true;
  view.UserEdits(2, u"x");
  window.OnCommand(MainCommand::AutoPreview);
  EXPECT_EQ(dialogs.boxes.size(), 4u);
  EXPECT_EQ(dialogs.boxes.back(), (Box{"The command stopped: no state", "Error", 16}));
  EXPECT_EQ(view.Line(1), u"keep me");
  EXPECT_EQ(view.program_ends, 0);
}

TEST(LineArrows, MoveToTheNeighbouringLineOnly) {
  for (int line = 1; line <= 8; ++line) {
    EXPECT_EQ(LineAfterArrow(line, LineArrow::Down),
              line < 8 ? std::optional(line + 1) : std::nullopt);
    EXPECT_EQ(LineAfterArrow(line, LineArrow::Up),
              line > 1 ? std::optional(line - 1) : std::nullopt);
  }
}

TEST_F(MainWindowTest, AnArrowKeyFocusesTheLineItMovesTo) {
  window.OnLineArrow(3, LineArrow::Down);
  EXPECT_EQ(view.FocusedLine(), 4);
  window.OnLineArrow(1, LineArrow::Up);
  EXPECT_EQ(view.FocusedLine(), 4) << "nothing above line 1";
  window.OnLineArrow(7, LineArrow::Up);
  EXPECT_EQ(view.FocusedLine(), 6);
}

// Auto Preview follows an edit by replacing the changed line's row only; whatever the edits,
// the preview must end up exactly as a full recomposition would show it.
TEST_F(MainWindowTest, AfterEveryEditTheAutoPreviewEqualsAFullRecompositionOfTheLines) {
  struct Step {
    const char* what;
    std::function<void()> act;
    bool recomposed;  // false: the preview keeps what it showed before the step
    bool full;        // the whole preview was set, not one row
  };
  auto edit = [this](int line, std::u16string text) {
    return [this, line, text] { view.UserEdits(line, text); };
  };
  auto state = [this](int value) {
    return [this, value] {
      view[kAutoPreviewCheck].check = value;
      window.OnCommand(MainCommand::AutoPreview);
    };
  };
  auto option = [this](bool white) {
    return [this, white] {
      view.SetCheck(RowNamed(MainWindowControls(), white ? kWhiteOption : kYellowOption), 1);
      window.OnCommand(white ? MainCommand::UseWhite : MainCommand::UseYellow);
    };
  };
  const Step steps[] = {
      {"the first edit composes in full", edit(1, u"hello"), true, true},
      {"an edit of line 8", edit(8, u"bottom"), true, false},
      {"line 1 emptied", edit(1, u""), true, false},
      {"spaces and the mark in line 5", edit(5, u"  \u25A0 "), true, false},
      {"a row-breaking character the control let in", edit(3, u"a\r\nb"), true, true},
      {"the rows below were shifted: in full again", edit(4, u"four"), true, true},
      {"line 3 mended", edit(3, u"ab"), true, true},
      {"rows aligned again: one row", edit(2, u"two"), true, false},
      {"an ellipsis the control let in: in full", edit(6, u"x\u2026"), true, true},
      {"Option2 recolours only", option(false), false, false},
      {"Auto Preview cleared", state(0), false, false},
      {"an edit while cleared", edit(6, u"late"), false, false},
      {"Option1 while cleared", option(true), false, false},
      {"Auto Preview greyed", state(2), false, false},
      {"an edit while greyed", edit(7, u"grey"), false, false},
      {"Auto Preview checked again", state(1), false, false},
      {"the stale preview is recomposed in full", edit(8, u"b"), true, true},
      {"then one row again", edit(6, u"lat"), true, false},
      {"Update Preview", [this] { window.OnCommand(MainCommand::UpdatePreview); }, true, true},
  };
  std::u16string shown = view[kPreviewBox].text;
  for (const Step& step : steps) {
    const int full = view[kPreviewBox].full_sets, rows = view[kPreviewBox].row_sets;
    step.act();
    if (step.recomposed) shown = FullPreview();
    EXPECT_EQ(Bytes(view[kPreviewBox].text), Bytes(shown)) << step.what;
    EXPECT_EQ(view[kPreviewBox].full_sets - full, step.recomposed && step.full ? 1 : 0)
        << step.what;
    EXPECT_EQ(view[kPreviewBox].row_sets - rows, step.recomposed && !step.full ? 1 : 0)
        << step.what;
    EXPECT_EQ(view[kPreviewBox].colour, view.White() ? PreviewWhite : PreviewYellow) << step.what;
  }
}

TEST_F(MainWindowTest, SpacingFixerRecomposesThePreviewAtEachReplacement) {
  window.OnCommand(MainCommand::UpdatePreview);
  for (int k = 1; k <= 8; ++k) view.Line(k) = k == 2 ? u"" : u"line" + std::u16string(1, u'0' + k);
  window.OnCommand(MainCommand::UpdatePreview);
  const int before = view[kPreviewBox].full_sets + view[kPreviewBox].row_sets;
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  window.OnCommand(MainCommand::SpacingFixer);
  EXPECT_EQ(view[kPreviewBox].full_sets + view[kPreviewBox].row_sets - before, 8);
  EXPECT_EQ(view[kPreviewBox].text, FullPreview());
  EXPECT_EQ(Bytes(view.Line(2)), "\x85");
  EXPECT_EQ(Bytes(view.Line(1)), "\x85ine1");
}

// A line set by an operation holds what a typed line may hold, at most 36 characters.
TEST_F(MainWindowTest, ALineSetByAnOperationGoesThroughTheLineFilter) {
  window.SetLine(2, "a\tb\r\nc\x7F\x81\x8D\x8F\x90\x9D\x07" + std::string(40, 'x'));
  EXPECT_EQ(window.Line(2), "a\tbc" + std::string(32, 'x'));
  window.SetLine(3, "\x85\x80\xFF");
  EXPECT_EQ(view.Line(3), u"\u25A0\u20AC\u00FF");
  window.ReplaceFirstCharacter(3, '\x85');
  EXPECT_EQ(view.Line(3), u"\u25A0\u20AC\u00FF");
  window.ReplaceFirstCharacter(4, 'q');
  EXPECT_EQ(view.Line(4), u"q");
}

TEST_F(MainWindowTest, TheDocumentReadsAndSetsTheViewsControls) {
  view[kKeyChooser].text = u"\u00E9 p";
  view[kAutoexecCheck].check = 1;
  view[kAutoexecFolderBox].text = u"c:\\Sp\u00E9l";
  EXPECT_EQ(window.Key(), "\xE9 p");
  EXPECT_TRUE(window.AddToAutoexec());
  EXPECT_EQ(window.AutoexecFolder(), "c:\\Sp\xE9l");
  window.SetAutoexecFolder("d:\\\xE9");
  EXPECT_EQ(view[kAutoexecFolderBox].text, u"d:\\\u00E9");
  window.SetColour(TextColour::Yellow);
  EXPECT_FALSE(view.White());
  EXPECT_EQ(view[kPreviewBox].colour, PreviewYellow) << "selected by an operation, recoloured";
  EXPECT_EQ(window.Colour(), TextColour::Yellow);
  window.SetColour(TextColour::White);
  EXPECT_EQ(view[kWhiteOption].check, 1);
  EXPECT_EQ(view[kYellowOption].check, 0);
  EXPECT_EQ(view[kPreviewBox].colour, PreviewWhite);
}

// A bind file whose lines hold control bytes opens the same way however it is opened: the
// control characters but tab are dropped, everything else stays, and Save writes those lines.
class HostileFile : public MainWindowTest,
                    public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(HostileFile, OpensWithoutItsControlCharactersAndSavesTheSameBytes) {
  BindLines raw = {"say\r\nhi", std::string("nul\0after", 9),
                   "bel\x07!",  "del\x7F und\x81\x8D\x8F\x90\x9D",
                   "tab\tkept", "\x85mark \xE9",
                   "",          "end"};
  BindLines kept = {"sayhi",     "nulafter",      "bel!", "del und",
                    "tab\tkept", "\x85mark \xE9", "",     "end"};
  WriteBytes(disk / "hostile.cfg", BindBytes(raw, TextColour::Yellow));
  const fs::path file = disk / "hostile.cfg";
  switch (GetParam().second) {
    case 0:
      dialogs.file_choices = {file};
      window.OnCommand(MainCommand::OpenBind);
      break;
    case 1:
      window.OpenFromCommandLine(std::vector{file});
      break;
    case 2:
      EXPECT_TRUE(window.OnFilesDropped(std::vector{file}));
      break;
  }
  EXPECT_EQ(window.Lines(), kept);
  EXPECT_FALSE(view.White());
  dialogs.file_choices = {disk / "again.cfg"};
  window.OnCommand(MainCommand::SaveBind);
  EXPECT_EQ(ReadBytes(disk / "again.cfg"), BindBytes(kept, TextColour::Yellow));
}

INSTANTIATE_TEST_SUITE_P(Ways, HostileFile,
                         ::testing::Values(std::pair{"Open", 0}, std::pair{"CommandLine", 1},
                                           std::pair{"Drop", 2}),
                         [](const auto& info) { return std::string(info.param.first); });

const BindLines kArt = {"  ( o.o )", "", "\x85Vellmar", "", "", "", "", "!"};

TEST_F(MainWindowTest, ANamedFileOpensWithoutCueOrDialogAndARelativeNameFromTheCurrentFolder) {
  WriteBytes(disk / "here.cfg", BindBytes(kArt, TextColour::White));
  const fs::path previous = fs::current_path();
  fs::current_path(disk.path());
  window.OpenFromCommandLine(std::vector<fs::path>{"here.cfg", "ignored.cfg"});
  fs::current_path(previous);
  EXPECT_EQ(window.Lines(), kArt);
  EXPECT_EQ(window.FileName(), disk / "here.cfg");
  EXPECT_TRUE(audio.commands.empty());
  EXPECT_TRUE(dialogs.file_requests.empty() && dialogs.boxes.empty());
  window.OpenFromCommandLine({});
  EXPECT_EQ(window.Lines(), kArt) << "no argument: nothing happens";
}

TEST_F(MainWindowTest, AFileThatCannotBeReadIsNamedInOneBoxAndTheLinesStay) {
  view.Line(1) = u"before";
  window.OpenBindFile(disk / "gone.cfg");
  EXPECT_EQ(dialogs.boxes,
            (Boxes{{"The bind could not be opened from " + PathToUtf8(disk / "gone.cfg") +
                        "\r\n\r\nNo such file or directory.",
                    "Open Error", 16}}));
  EXPECT_EQ(view.Line(1), u"before");
  EXPECT_EQ(window.FileName(), disk / "gone.cfg") << "the save dialog starts from it";
}

TEST_F(MainWindowTest, ADropOfOneFileOpensItAndAnyOtherNumberIsRefused) {
  WriteBytes(disk / "art.cfg", BindBytes(kArt, TextColour::Yellow));
  view.Line(1) = u"before";
  EXPECT_FALSE(MainWindow::TakesDroppedFiles(0));
  EXPECT_FALSE(MainWindow::TakesDroppedFiles(2));
  EXPECT_FALSE(window.OnFilesDropped(std::vector{disk / "art.cfg", disk / "art.cfg"}));
  EXPECT_FALSE(window.OnFilesDropped({}));
  EXPECT_EQ(view.Line(1), u"before");
  EXPECT_TRUE(MainWindow::TakesDroppedFiles(1));
  EXPECT_TRUE(window.OnFilesDropped(std::vector{disk / "art.cfg"}));
  EXPECT_EQ(window.Lines(), kArt);
  EXPECT_FALSE(view.White());
  EXPECT_TRUE(audio.commands.empty() && dialogs.file_requests.empty());
}

// A paste of rows into line `line` over [from, to), and the lines and boxes that follow.
struct RowsPaste {
  const char* name;
  std::array<std::u16string, LineCount> before;
  int line, from, to;
  std::u16string text;
  std::array<std::u16string, LineCount> after;
  int beeps;
  Boxes boxes;
  friend void PrintTo(const RowsPaste& c, std::ostream* out) { *out << c.name; }
};

class PasteOfRows : public MainWindowTest, public ::testing::WithParamInterface<RowsPaste> {};

TEST_P(PasteOfRows, FillsTheLinesBelowThroughTheFilter) {
  const RowsPaste& c = GetParam();
  for (int k = 0; k < LineCount; ++k) view.Line(k + 1) = c.before[k];
  window.OnPasteRows(c.line, c.from, c.to, c.text);
  for (int k = 0; k < LineCount; ++k)
    EXPECT_EQ(Bytes(view.Line(k + 1)), Bytes(c.after[k])) << k + 1;
  EXPECT_EQ(view.beeps, c.beeps);
  EXPECT_EQ(dialogs.boxes, c.boxes);
  EXPECT_EQ(view[kPreviewBox].text, FullPreview()) << "the preview follows every line";
}

const std::u16string k40 = u"0123456789012345678901234567890123456789";
const std::u16string k36 = k40.substr(0, 36);
const Boxes kNoBox;

INSTANTIATE_TEST_SUITE_P(
    Rows, PasteOfRows,
    ::testing::Values(
        RowsPaste{
            "EightRowsOfArtWithCrLfLfTabsAndForeignCharacters",
            {u"old1", u"old2", u"old3", u"old4", u"old5", u"old6", u"old7", u"old8"},
            1,
            0,
            4,
            u"/\\_/\\\r\n( o.o )\n\t> ^ <\u0141\r\n\u2026\u00E9\U0001F600\r\n" + k40 +
                u"\r\n\r\n|_|\n end  ",
            {u"/\\_/\\", u"( o.o )", u"\t> ^ <", u"\u25A0\u00E9", k36, u"", u"|_|", u" end  "},
            1,
            kNoBox},
        RowsPaste{"ThreeRowsTheFirstAtTheCaretInTheMiddleOfALine",
                  {u"1", u"2", u"abcd", u"4", u"5", u"6", u"7", u"8"},
                  3,
                  2,
                  2,
                  u"XY\rrow two\rrow three\r",
                  {u"1", u"2", u"abXYcd", u"row two", u"row three", u"6", u"7", u"8"},
                  0,
                  kNoBox},
        RowsPaste{"TwelveRowsKeepTheFirstEightAndSaySo",
                  {},
                  1,
                  0,
                  0,
                  u"r1\nr2\nr3\nr4\nr5\nr6\nr7\nr8\nr9\nr10\nr11\nr12\n",
                  {u"r1", u"r2", u"r3", u"r4", u"r5", u"r6", u"r7", u"r8"},
                  0,
                  Boxes{{"Only the first 8 rows fit; the rest were left out.", "Paste", 64}}},
        RowsPaste{"RowsBelowTheLastLineAreCountedFromTheCaretsLine",
                  {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8"},
                  6,
                  1,
                  1,
                  u"a\r\nb\r\nc\r\nd",
                  {u"1", u"2", u"3", u"4", u"5", u"6a", u"b", u"c"},
                  0,
                  Boxes{{"Only the first 3 rows fit; the rest were left out.", "Paste", 64}}},
        RowsPaste{"ATrailingBreakAddsNoRowAndTheSelectionIsReplaced",
                  {u"keep", u"old", u"kept"},
                  1,
                  1,
                  3,
                  u"EE\r\nnew\r\n",
                  {u"kEEp", u"new", u"kept"},
                  0,
                  kNoBox},
        RowsPaste{"AFullFirstLineTakesNothingAndWarns",
                  {k36, u"2"},
                  1,
                  36,
                  36,
                  u"more\nnext",
                  {k36, u"next"},
                  1,
                  kNoBox}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, HoldsLineBreakSeesCrLfAndLoneBreaksOnly) {
  EXPECT_FALSE(HoldsLineBreak(u"a\tb\u2026"));
  EXPECT_TRUE(HoldsLineBreak(u"a\rb"));
  EXPECT_TRUE(HoldsLineBreak(u"a\nb"));
}

TEST_F(MainWindowTest, CopyBindJoinsTheEightLinesKeepingTrailingSpaces) {
  const std::u16string lines[] = {u"a ", u"", u"\tb\u25A0", u"", u"", u"", u"", u"end  "};
  for (int k = 0; k < LineCount; ++k) view.Line(k + 1) = lines[k];
  EXPECT_EQ(window.BindAsText(u"\r\n"), u"a \r\n\r\n\tb\u25A0\r\n\r\n\r\n\r\n\r\nend  ");
  EXPECT_EQ(window.BindAsText(u"\n"), u"a \n\n\tb\u25A0\n\n\n\n\nend  ");
}

}  // namespace
}  // namespace vbe::testing

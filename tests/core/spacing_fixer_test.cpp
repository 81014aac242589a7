#include "core/spacing_fixer.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"

namespace vbe {
namespace {

using testing::RecordingAudio;
using testing::ScriptedDialogs;

TEST(FindLongLines, CountsEverythingButTrailingSpaces) {
  struct Case {
    const char* name;
    std::string line;
    bool reported;
  };
  const Case cases[] = {
      {"32 letters", std::string(32, 'x'), false},
      {"33 with a trailing space", std::string(32, 'x') + " ", false},
      {"33 letters", std::string(33, 'x'), true},
      {"36 with 4 leading spaces", std::string(4, ' ') + std::string(32, 'x'), true},
      {"32 letters then 4 spaces", std::string(32, 'x') + "    ", false},
      {"the mark counts", "\x85" + std::string(32, 'x'), true},
      {"a space inside counts", std::string(16, 'x') + " " + std::string(16, 'x'), true},
      {"36 spaces", std::string(36, ' '), false},
      {"empty", "", false},
  };
  for (const Case& c : cases) {
    for (int k = 1; k <= LineCount; ++k) {
      BindLines lines;
      lines.fill(std::string(32, '-'));
      lines[k - 1] = c.line;
      const std::vector<int> expected = c.reported ? std::vector<int>{k} : std::vector<int>{};
      EXPECT_EQ(FindLongLines(lines), expected) << c.name << " in line " << k;
    }
  }
  BindLines all;
  all.fill(std::string(36, 'x'));
  EXPECT_EQ(FindLongLines(all), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(PlaceSpacingMarks, ReplacesTheFirstColumnAndKeepsTheRest) {
  const std::string full = "0123456789abcdefghijklmnopqrstuvwxyz";
  const BindLines lines = {"abc", "", full, " ", "  x", "\x85ok", "\"", "A"};
  const std::string m = "\x85";
  const BindLines expected = {m + "bc", m, m + full.substr(1), m, m + " x", m + "ok", m, m};
  EXPECT_EQ(PlaceSpacingMarks(lines), expected);
  EXPECT_EQ(PlaceSpacingMarks(expected), expected);
}

// Scripted answers that can also change the document while a box is open, as a user's edit
// between two questions would.
class EditingDialogs : public ScriptedDialogs {
 public:
  std::function<void(const std::string& title)> on_box;
  Answer ShowMessage(std::string_view text, std::string_view title, int style) override {
    if (on_box) on_box(std::string(title));
    return ScriptedDialogs::ShowMessage(text, title, style);
  }
};

class SpacingFixer : public ::testing::Test {
 protected:
  MemoryBindDocument document;
  EditingDialogs dialogs;
  DriveTable drives;
  RecordingAudio audio;
  EditorServices editor{document, dialogs, drives, audio};
};

const std::string kWarning =
    "Spacing Fixer\r\n\r\n"
    "This will attempt to fix problems you may have with the spacing\r\n"
    "of your binds.\r\n\r\n"
    "Are you sure you want to go ahead?";
const std::string kStepOneHead =
    "Spacing Fixer - Step 1\r\n\r\n"
    "The program has checked the length of each line for problems ..\r\n\r\n";
const std::string kStepTwo =
    "Spacing Fixer - Step 2\r\n\r\n"
    "The program will now place an invisible to Vellmar character\r\n"
    "down the left hand side of the bind\r\n\r\n"
    "This will replace whatever character is there\r\n\r\n"
    "Are you sure you wish to continue?";
const std::string kFinished =
    "Finised ...\r\n\r\n"
    "Now save the bind and try it again to see if the spacing\r\n"
    "works ok..";

TEST_F(SpacingFixer, ShowsItsFourBoxesWithAndWithoutLongLines) {
  struct Case {
    const char* name;
    BindLines lines;
    std::string step_one_rest;
  };
  const std::string long33(33, 'x');
  const Case cases[] = {
      {"no long lines",
       {std::string(32, 'x'), "", "a", std::string(32, 'x') + "    ", "", "", "", ""},
       "Doesn't seem to be any line length problems in this bind.\r\nContinue?"},
      {"lines 3 and 7 long",
       {"", "", long33, "", "", "", "    " + std::string(32, 'y'), ""},
       "Line 3 may be too long.\r\nLine 7 may be too long.\r\n\r\n\r\n"
       "Do you wish to continue? Or cancel to fix these problems?"},
      {"every line long",
       {long33, long33, long33, long33, long33, long33, long33, long33},
       "Line 1 may be too long.\r\nLine 2 may be too long.\r\nLine 3 may be too long.\r\n"
       "Line 4 may be too long.\r\nLine 5 may be too long.\r\nLine 6 may be too long.\r\n"
       "Line 7 may be too long.\r\nLine 8 may be too long.\r\n\r\n\r\n"
       "Do you wish to continue? Or cancel to fix these problems?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    document.lines = c.lines;
    dialogs.boxes.clear();
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok, Answer::Ok};

    RunSpacingFixer(editor);

    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[0].text, kWarning);
    EXPECT_EQ(dialogs.boxes[0].title, "Spacing Fixer Warning");
    EXPECT_EQ(dialogs.boxes[0].style, 67);
    EXPECT_EQ(dialogs.boxes[1].text, kStepOneHead + c.step_one_rest);
    EXPECT_EQ(dialogs.boxes[1].title, "Step 1");
    EXPECT_EQ(dialogs.boxes[1].style, 65);
    EXPECT_EQ(dialogs.boxes[2].text, kStepTwo);
    EXPECT_EQ(dialogs.boxes[2].title, "Step 2");
    EXPECT_EQ(dialogs.boxes[2].style, 65);
    EXPECT_EQ(dialogs.boxes[3].text, kFinished);
    EXPECT_EQ(dialogs.boxes[3].title, "Finished");
    EXPECT_EQ(dialogs.boxes[3].style, 64);
    EXPECT_TRUE(dialogs.answers.empty());
  }
}

TEST_F(SpacingFixer, DecliningAnyQuestionChangesNothingAndAsksNoMore) {
  struct Case {
    std::deque<Answer> answers;
    std::vector<std::string> titles;
  };
  const Case cases[] = {
      {{Answer::No}, {"Spacing Fixer Warning"}},
      {{Answer::Cancel}, {"Spacing Fixer Warning"}},
      {{Answer::Ok}, {"Spacing Fixer Warning"}},
      {{Answer::Yes, Answer::Cancel}, {"Spacing Fixer Warning", "Step 1"}},
      {{Answer::Yes, Answer::Ok, Answer::Cancel}, {"Spacing Fixer Warning", "Step 1", "Step 2"}},
  };
  const BindLines lines = {"abc", "", std::string(36, 'z'), " x", "", "", "", "h"};
  for (const Case& c : cases) {
    document.lines = lines;
    document.line_changes = 0;
    dialogs.boxes.clear();
    dialogs.answers = c.answers;

    RunSpacingFixer(editor);

    std::vector<std::string> titles;
    for (const auto& box : dialogs.boxes) titles.push_back(box.title);
    EXPECT_EQ(titles, c.titles);
    EXPECT_EQ(document.lines, lines);
    EXPECT_EQ(document.line_changes, 0);
  }
}

TEST_F(SpacingFixer, PutsTheMarkInEveryFirstColumnAndASecondRunKeepsIt) {
  const std::string full = "0123456789abcdefghijklmnopqrstuvwxyz";
  const std::string m = "\x85";
  document.lines = {"abc", "", full, "  art", m + "done", " ", "q", ""};
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};

  RunSpacingFixer(editor);

  const BindLines marked = {m + "bc", m, m + full.substr(1), m + " art", m + "done", m, m, m};
  EXPECT_EQ(document.lines, marked);
  EXPECT_EQ(document.lines[0].size(), 3u);
  EXPECT_EQ(document.lines[1].size(), 1u);
  EXPECT_EQ(document.lines[2].size(), 36u);
  EXPECT_EQ(document.line_changes, 7) << "line 5 already began with the mark";
  ASSERT_EQ(dialogs.boxes.size(), 4u);

  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  RunSpacingFixer(editor);
  EXPECT_EQ(document.lines, marked);
  EXPECT_EQ(document.line_changes, 7);
  EXPECT_EQ(dialogs.boxes.size(), 8u);
}

TEST_F(SpacingFixer, ChecksLengthsBeforeTheMarksAndMarksTheLinesStandingAtTheEnd) {
  document.lines = {std::string(33, 'x'), "one", "", "", "", "", "", ""};
  // Line 2 changes while the Step 2 box is open; the marks go on what the editors hold then.
  dialogs.on_box = [this](const std::string& title) {
    if (title == "Step 2") document.lines[1] = "two";
  };
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};

  RunSpacingFixer(editor);

  ASSERT_EQ(dialogs.boxes.size(), 4u);
  EXPECT_NE(dialogs.boxes[1].text.find("Line 1 may be too long.\r\n"), std::string::npos);
  EXPECT_EQ(document.lines[0], "\x85" + std::string(32, 'x'));
  EXPECT_EQ(document.lines[1], "\x85wo");
}

}  // namespace
}  // namespace vbe

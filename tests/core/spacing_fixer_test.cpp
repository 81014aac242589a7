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
  const std::string x32(32, 'x');
  const std::pair<std::string, bool> cases[] = {
      {x32, false},         {x32 + " ", false},   {x32 + "x", true},
      {"    " + x32, true}, {"\x85" + x32, true}, {std::string(36, ' '), false}};
  for (const auto& [line, reported] : cases) {
    for (int k : {1, 5, 8}) {
      BindLines lines;
      lines[k - 1] = line;
      EXPECT_EQ(FindLongLines(lines), reported ? std::vector<int>{k} : std::vector<int>{})
          << line.size() << " characters in line " << k;
    }
  }
}

// Scripted answers that can also change a line while a box is open.
class EditingDialogs : public ScriptedDialogs {
 public:
  std::function<void(std::string_view title)> on_box;
  Answer ShowMessage(std::string_view text, std::string_view title, int style) override {
    if (on_box) on_box(title);
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

TEST_F(SpacingFixer, ShowsItsFourBoxesWithAndWithoutLongLines) {
  const std::string x33(33, 'x');
  const std::pair<BindLines, std::string> cases[] = {
      {{std::string(32, 'x'), "", "a", std::string(32, 'x') + "    "},
       "Doesn't seem to be any line length problems in this bind.\r\nContinue?"},
      {{"", "", x33, "", "", "", "    " + std::string(32, 'y'), ""},
       "Line 3 may be too long.\r\nLine 7 may be too long.\r\n\r\n\r\n"
       "Do you wish to continue? Or cancel to fix these problems?"},
  };
  for (const auto& [lines, step_one_rest] : cases) {
    document.lines = lines;
    dialogs.boxes.clear();
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};

    RunSpacingFixer(editor);

    ASSERT_EQ(dialogs.boxes.size(), 4u);
    const ScriptedDialogs::Box expected[] = {
        {"Spacing Fixer\r\n\r\n"
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
        {"Finised ...\r\n\r\nNow save the bind and try it again to see if the spacing\r\n"
         "works ok..",
         "Finished", 64},
    };
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(dialogs.boxes[i].text, expected[i].text);
      EXPECT_EQ(dialogs.boxes[i].title, expected[i].title);
      EXPECT_EQ(dialogs.boxes[i].style, expected[i].style);
    }
  }
}

TEST_F(SpacingFixer, DecliningAnyQuestionChangesNothingAndAsksNoMore) {
  const std::pair<std::deque<Answer>, std::size_t> cases[] = {
      {{Answer::No}, 1},
      {{Answer::Cancel}, 1},
      {{Answer::Yes, Answer::Cancel}, 2},
      {{Answer::Yes, Answer::Ok, Answer::Cancel}, 3}};
  const BindLines lines = {"abc", "", std::string(36, 'z'), " x"};
  for (const auto& [answers, boxes] : cases) {
    document.lines = lines;
    dialogs.boxes.clear();
    dialogs.answers = answers;
    RunSpacingFixer(editor);
    EXPECT_EQ(dialogs.boxes.size(), boxes);
  }
  EXPECT_EQ(document.line_changes, 0);
}

TEST_F(SpacingFixer, MarksTheLinesStandingAtTheEndAndASecondRunChangesNothing) {
  const std::string m = "\x85", full = "0123456789abcdefghijklmnopqrstuvwxyz";
  document.lines = {std::string(33, 'x'), "one", "abc", "", full, "  art", m + "ok", " "};
  // Line 2 changes while the Step 2 box is open: the marks go on what the editors hold then.
  dialogs.on_box = [this](std::string_view title) {
    if (title == "Step 2") document.lines[1] = "two";
  };
  const BindLines marked = {m + std::string(32, 'x'), m + "wo",   m + "bc", m,
                            m + full.substr(1),       m + " art", m + "ok", m};
  for (int run = 1; run <= 2; ++run) {
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
    RunSpacingFixer(editor);
    EXPECT_EQ(document.lines, marked);
    EXPECT_EQ(document.line_changes, 7) << "line 7 began with the mark, and run 2 changes nothing";
    dialogs.on_box = nullptr;
  }
  EXPECT_NE(dialogs.boxes[1].text.find("Line 1 may be too long."), std::string::npos);
  EXPECT_EQ(PlaceSpacingMarks({"abc", "", full, m + "ok"}),
            (BindLines{m + "bc", m, m + full.substr(1), m + "ok", m, m, m, m}));
}

}  // namespace
}  // namespace vbe

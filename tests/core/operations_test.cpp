#include "core/operations.h"

#include <gtest/gtest.h>

#include "core/bind_file.h"
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

// A document, a scripted user and drive c: pointing at a fresh folder.
class Operations : public ::testing::Test {
 protected:
  Operations() { drives.SetDrive('c', disk.path()); }

  std::string Saved(const std::string& name) { return ReadBytes(disk / name); }
  std::string Expected() {
    return ComposeBindFile(*ComposeSayLines(document.Lines(), document.Colour()));
  }

  TempFolder disk;
  DriveTable drives;
  MemoryBindDocument document;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  EditorServices editor{document, dialogs, drives, audio};
};

TEST_F(Operations, NewBindAsksAndEmptiesTheLinesOnlyOnYes) {
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
    document.lines = {"a", "b", "c", "d", "e", "f", "g", "h"};
    document.colour = TextColour::Yellow;
    document.key = "p";
    document.file_name = "c:\\x.cfg";
    dialogs.boxes.clear();
    dialogs.answers = {answer};

    NewBind(editor);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Start a new file? Are you sure?");
    EXPECT_EQ(dialogs.boxes[0].title, "WaRnInG!");
    EXPECT_EQ(dialogs.boxes[0].style, 19);
    const BindLines expected =
        answer == Answer::Yes ? BindLines{} : BindLines{"a", "b", "c", "d", "e", "f", "g", "h"};
    EXPECT_EQ(document.lines, expected);
    EXPECT_EQ(document.colour, TextColour::Yellow);
    EXPECT_EQ(document.key, "p");
    EXPECT_EQ(document.file_name, "c:\\x.cfg");
  }
}

TEST_F(Operations, SaveWritesTheBindFileToTheChosenName) {
  document.lines = {"one", "two", "three", "", "  five", "six  ", "", "eight"};
  document.colour = TextColour::Yellow;
  dialogs.file_choices = {"c:\\Hello.cfg"};

  SaveBind(editor);

  ASSERT_EQ(dialogs.file_requests.size(), 1u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Save);
  EXPECT_EQ(dialogs.file_requests[0].started_from, "");
  EXPECT_EQ(document.file_name, "c:\\Hello.cfg");
  EXPECT_EQ(Saved("Hello.cfg"), Expected());
  EXPECT_TRUE(dialogs.boxes.empty()) << "a successful save shows nothing";

  // The next dialog starts from the name chosen before; a name without extension stays so.
  dialogs.file_choices = {"c:\\greet"};
  SaveBind(editor);
  EXPECT_EQ(dialogs.file_requests[1].started_from, "c:\\Hello.cfg");
  EXPECT_EQ(Saved("greet"), Expected());
  EXPECT_FALSE(fs::exists(disk / "greet.cfg"));
}

TEST_F(Operations, SaveOverALargerFileLeavesExactlyTheBind) {
  WriteBytes(disk / "big.cfg", std::string(5000, '#'));
  document.lines[0] = "hi";
  dialogs.file_choices = {"c:\\big.cfg"};
  SaveBind(editor);
  EXPECT_EQ(Saved("big.cfg"), Expected());
  EXPECT_EQ(fs::file_size(disk / "big.cfg"), FullBindFileLength);
}

TEST_F(Operations, CancelledSaveWritesNothingAndSaysNothing) {
  document.file_name = "c:\\before.cfg";
  dialogs.file_choices = {std::nullopt};
  SaveBind(editor);
  EXPECT_EQ(document.file_name, "c:\\before.cfg");
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(disk.path()), {}), 0);
}

TEST_F(Operations, FailedSaveSaysSoAndKeepsTheOldFile) {
  WriteBytes(disk / "locked.cfg", "old bind");
  fs::permissions(disk / "locked.cfg", fs::perms::owner_read);
  dialogs.file_choices = {"c:\\locked.cfg", "c:\\no such folder\\x.cfg", "q:\\x.cfg"};

  for (int attempt = 0; attempt < 3; ++attempt) SaveBind(editor);

  EXPECT_EQ(Saved("locked.cfg"), "old bind");
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[0].title, "Save Error");
  EXPECT_EQ(dialogs.boxes[0].style, 16);
  EXPECT_EQ(dialogs.boxes[0].text,
            "The bind could not be saved to c:\\locked.cfg\r\n\r\nThe file is read-only.");
  EXPECT_EQ(dialogs.boxes[1].text,
            "The bind could not be saved to c:\\no such folder\\x.cfg\r\n\r\n"
            "No such file or directory.");
  EXPECT_EQ(dialogs.boxes[2].text,
            "The bind could not be saved to q:\\x.cfg\r\n\r\nThe path is on no drive of this "
            "machine.");
}

}  // namespace
}  // namespace vbe

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::RecordingAudio;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

const std::vector<std::string> kSaveCue = {"stop sound", "close sound",
                                           "open waveaudio!c:\\windows\\media\\robot~18.wav alias sound",
                                           "play sound"};
const std::vector<std::string> kOpenCue = {"stop sound", "close sound",
                                           "open waveaudio!c:\\windows\\media\\robot~15.wav alias sound",
                                           "play sound"};

class SaveAndOpen : public ::testing::Test {
 protected:
  SaveAndOpen() { drives.SetDrive('c', disk.path()); }

  TempFolder disk;
  DriveTable drives;
  MemoryBindDocument document;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  EditorServices editor{document, dialogs, drives, audio};
};

TEST_F(SaveAndOpen, SaveRefusesADoubleQuoteBeforeAnythingElseHappens) {
  document.lines[1] = "say \"hi\"";
  document.lines[5] = "\"";
  dialogs.file_choices = {"c:\\x.cfg"};
  SaveBind(editor);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "Character Error");
  EXPECT_EQ(dialogs.boxes[0].text.substr(0, 15), "Line 2 has the ");
  EXPECT_TRUE(audio.commands.empty());
  EXPECT_TRUE(dialogs.file_requests.empty());
  EXPECT_FALSE(std::filesystem::exists(disk / "x.cfg"));

  document.lines[1] = "say hi";
  SaveBind(editor);
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[1].text.substr(0, 15), "Line 6 has the ");
}

TEST_F(SaveAndOpen, SavePlaysItsCueBeforeTheDialog) {
  std::vector<std::string> played_before_dialog;
  dialogs.on_file_dialog = [&] { played_before_dialog = audio.commands; };
  audio.answer = 263;  // no sound device: nothing changes
  dialogs.file_choices = {"c:\\x.cfg"};
  SaveBind(editor);
  EXPECT_EQ(played_before_dialog, kSaveCue);
  EXPECT_EQ(audio.commands, kSaveCue);
  EXPECT_TRUE(std::filesystem::exists(disk / "x.cfg"));
}

TEST_F(SaveAndOpen, OpenPlaysItsCueAndReadsTheLinesAndColour) {
  const BindLines saved = {" one", "\x85two", "", "", "", "", "", "eight"};
  WriteBytes(disk / "b.cfg", ComposeBindFile(*ComposeSayLines(saved, TextColour::Yellow)));
  document.lines = {"x", "x", "x", "x", "x", "x", "x", "x"};
  document.file_name = "c:\\earlier.cfg";
  std::vector<std::string> played_before_dialog;
  dialogs.on_file_dialog = [&] { played_before_dialog = audio.commands; };
  dialogs.file_choices = {"c:\\B.CFG"};

  OpenBind(editor);

  EXPECT_EQ(played_before_dialog, kOpenCue);
  ASSERT_EQ(dialogs.file_requests.size(), 1u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Open);
  EXPECT_EQ(dialogs.file_requests[0].started_from, "c:\\earlier.cfg");
  EXPECT_EQ(document.file_name, "c:\\B.CFG");
  EXPECT_EQ(document.lines, saved);
  EXPECT_EQ(document.colour, TextColour::Yellow);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SaveAndOpen, OpenOfAShortFileLeavesTheColourAlone) {
  WriteBytes(disk / "short.cfg",
             ComposeBindFile(*ComposeSayLines({"a", "b"}, TextColour::Yellow)).substr(0, 176));
  WriteBytes(disk / "empty.cfg", "");
  dialogs.file_choices = {"c:\\short.cfg", "c:\\empty.cfg"};
  document.colour = TextColour::White;
  document.lines[7] = "old";

  OpenBind(editor);
  EXPECT_EQ(document.lines, (BindLines{"a", "b", "", "", "", "", "", ""}));
  EXPECT_EQ(document.colour, TextColour::White);

  OpenBind(editor);
  EXPECT_EQ(document.lines, BindLines{});
  EXPECT_EQ(document.colour, TextColour::White);
}

TEST_F(SaveAndOpen, OpenFailuresChangeNothingAndSayNothing) {
  WriteBytes(disk / "huge.cfg", std::string(32768, ' '));
  std::filesystem::create_directory(disk / "folder.cfg");
  dialogs.file_choices = {"c:\\missing.cfg", "c:\\huge.cfg", "c:\\folder.cfg", "q:\\x.cfg",
                          std::nullopt};
  document.lines = {"1", "2", "3", "4", "5", "6", "7", "8"};
  document.colour = TextColour::Yellow;
  const BindLines before = document.lines;

  for (int attempt = 0; attempt < 5; ++attempt) OpenBind(editor);

  EXPECT_EQ(document.lines, before);
  EXPECT_EQ(document.line_changes, 0);
  EXPECT_EQ(document.colour, TextColour::Yellow);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(audio.commands.size(), 20u) << "the cue played every time";
}

}  // namespace
}  // namespace vbe

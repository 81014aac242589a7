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

// Save with "Add bind to autoexec for me after saving": the key check comes before anything
// else and the autoexec update after the bind file is written.
#include <gtest/gtest.h>

#include "core/bind_file.h"
#include "core/operations.h"
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

class SaveWithAutoexec : public ::testing::Test {
 protected:
  SaveWithAutoexec() {
    drives.SetDrive('c', disk.path());
    fs::create_directories(disk / "Program Files" / "Vellmar" / "main");
    document.lines = {"hello", "", "", "", "", "", "", "world"};
    document.add_to_autoexec = true;
    document.key = "p";
  }
  fs::path autoexec() const { return disk / "Program Files" / "Vellmar" / "main" / "autoexec.cfg"; }
  std::size_t FilesOnDisk() const {
    return static_cast<std::size_t>(
        std::distance(fs::recursive_directory_iterator(disk.path()), {}));
  }

  TempFolder disk;
  DriveTable drives;
  MemoryBindDocument document;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  EditorServices editor{document, dialogs, drives, audio};
};

TEST_F(SaveWithAutoexec, AMissingKeyStopsTheSaveBeforeAnythingElse) {
  // A double quote in a line would be refused too: the key is asked about first.
  document.lines[2] = "say \"hi\"";
  for (const char* key : {"Choose your key", "", "  ", "a\"b"}) {
    document.key = key;
    dialogs.boxes.clear();
    dialogs.file_choices = {"c:\\hello.cfg"};

    SaveBind(editor);

    ASSERT_EQ(dialogs.boxes.size(), 1u) << key;
    EXPECT_EQ(dialogs.boxes[0].title, "D'oh!");
    EXPECT_EQ(dialogs.boxes[0].style, 48);
    EXPECT_TRUE(dialogs.file_requests.empty()) << "no file dialog";
    EXPECT_TRUE(audio.commands.empty()) << "nothing played";
    EXPECT_EQ(FilesOnDisk(), 3u) << "nothing written beside the three folders";
  }
}

TEST_F(SaveWithAutoexec, OffersTheUpdateOnlyAfterASuccessfulWriteWithTheOptionOn) {
  struct Case {
    bool option;
    std::optional<std::string> chosen;  // nothing: the save dialog is cancelled
    const char* expected_title;         // of the one box shown, or null for none
  };
  const Case cases[] = {
      {false, "c:\\a.cfg", nullptr},
      {true, std::nullopt, nullptr},
      {true, "c:\\no such folder\\a.cfg", "Save Error"},
      {true, "c:\\a.cfg", "Modify autoexec?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen.value_or("(cancelled)"));
    document.add_to_autoexec = c.option;
    document.key = c.option ? "p" : "Choose your key";
    dialogs.boxes.clear();
    dialogs.file_choices = {c.chosen};
    dialogs.answers = {Answer::No};

    SaveBind(editor);

    if (c.expected_title) {
      ASSERT_EQ(dialogs.boxes.size(), 1u);
      EXPECT_EQ(dialogs.boxes[0].title, c.expected_title);
    } else {
      EXPECT_TRUE(dialogs.boxes.empty());
    }
  }
  EXPECT_FALSE(fs::exists(autoexec()));
}

TEST_F(SaveWithAutoexec, AFailedAutoexecUpdateLeavesTheBindFileSaved) {
  document.autoexec_folder = "c:\\no such folder";
  dialogs.file_choices = {"c:\\hello.cfg"};
  dialogs.answers = {Answer::Yes};

  SaveBind(editor);

  EXPECT_EQ(fs::file_size(disk / "hello.cfg"), FullBindFileLength);
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[1].title, "Autoexec Error");
}

}  // namespace
}  // namespace vbe

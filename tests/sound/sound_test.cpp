#include <gtest/gtest.h>

#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "support/recording_audio.h"
#include "support/temp_folder.h"

namespace vbe {
namespace {

using testing::RecordingAudio;
using testing::TempFolder;
using testing::WriteBytes;

TEST(CuePlayer, SendsExactlyTheFourCommandStrings) {
  RecordingAudio audio;
  audio.answer = 263;  // every command fails: the player goes on regardless
  StopCue(audio);
  PlayCue(audio, SaveCue);
  PlayCue(audio, ExitCue);
  const std::vector<std::string> expected = {
      "stop sound", "close sound",
      "stop sound", "close sound", "open waveaudio!c:\\windows\\media\\robot~18.wav alias sound",
      "play sound",
      "stop sound", "close sound", "open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound",
      "play sound"};
  EXPECT_EQ(audio.commands, expected);
}

TEST(LazyAudioCommands, CreatesItsBackEndOnTheFirstCommandOnly) {
  int created = 0;
  RecordingAudio* made = nullptr;
  LazyAudioCommands lazy([&] {
    ++created;
    auto backend = std::make_unique<RecordingAudio>();
    made = backend.get();
    return backend;
  });
  EXPECT_EQ(created, 0);
  EXPECT_FALSE(lazy.Created());
  StopCue(lazy);
  StopCue(lazy);
  EXPECT_EQ(created, 1);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->commands.size(), 4u);

  LazyAudioCommands none([] { return std::unique_ptr<AudioCommands>(); });
  EXPECT_NE(none.SendCommand("play sound"), 0);
}

// A device that records what it was asked to do.
struct FakeDevice : WavDevice {
  std::vector<std::string>* log;
  explicit FakeDevice(std::vector<std::string>* l) : log(l) {}
  ~FakeDevice() override { log->push_back("gone"); }
  bool Load(const std::filesystem::path& file) override {
    log->push_back("load " + file.filename().string());
    return true;
  }
  bool Play() override { return log->push_back("play"), true; }
  void Stop() override { log->push_back("stop"); }
};

class Interpreter : public ::testing::Test {
 protected:
  Interpreter() {
    std::filesystem::create_directories(disk / "Windows" / "Media");
    WriteBytes(disk / "Windows" / "Media" / "robot~18.wav", "RIFF");
    WriteBytes(disk / "Windows" / "Media" / "robot~15.wav", "RIFF");
  }
  static DriveTable DriveC(const TempFolder& folder) {
    DriveTable table;
    table.SetDrive('c', folder.path());
    return table;
  }
  TempFolder disk;
  DriveTable drives = DriveC(disk);
  std::vector<std::string> log;
  WavCommandInterpreter interpreter{drives, [this] { return std::make_unique<FakeDevice>(&log); }};
};

TEST_F(Interpreter, PlaysTheFileTheOpenCommandNamesUnderTheAlias) {
  PlayCue(interpreter, SaveCue);
  EXPECT_TRUE(interpreter.IsOpen());
  EXPECT_EQ(log, (std::vector<std::string>{"load robot~18.wav", "play"}));

  log.clear();
  PlayCue(interpreter, OpenCue);  // the new cue cuts the old one off
  EXPECT_EQ(log, (std::vector<std::string>{"stop", "stop", "gone", "load robot~15.wav", "play"}));

  log.clear();
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!c:\\windows\\media\\robot~18.wav alias sound"),
            AudioError::None);
  EXPECT_EQ(log, (std::vector<std::string>{"stop", "gone", "load robot~18.wav"}));
}

TEST_F(Interpreter, AnswersErrorsAndStaysCalmOnBadCommands) {
  EXPECT_EQ(interpreter.SendCommand("stop sound"), AudioError::NotOpen);
  EXPECT_EQ(interpreter.SendCommand("close sound"), AudioError::NotOpen);
  EXPECT_EQ(interpreter.SendCommand("play sound"), AudioError::NotOpen);
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound"),
            AudioError::FileNotFound);
  EXPECT_FALSE(interpreter.IsOpen());
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!q:\\x.wav alias sound"), AudioError::FileNotFound);
  EXPECT_EQ(interpreter.SendCommand("open waveaudio! alias sound"), AudioError::UnknownCommand);
  EXPECT_EQ(interpreter.SendCommand("pause sound"), AudioError::UnknownCommand);
  EXPECT_EQ(interpreter.SendCommand(""), AudioError::UnknownCommand);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(interpreter.SendCommand("PLAY SOUND"), AudioError::NotOpen);
}

}  // namespace
}  // namespace vbe

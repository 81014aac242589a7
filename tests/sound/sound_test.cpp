#include <gtest/gtest.h>

#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "support/editor_fixture.h"

namespace vbe::testing {
namespace {

TEST(CuePlayer, SendsExactlyTheFourCommandStrings) {
  RecordingAudio audio;
  audio.answer = 263;  // every command fails: the player goes on regardless
  StopCue(audio);
  PlayCue(audio, ExitCue);
  EXPECT_EQ(audio.commands,
            (std::vector<std::string>{"stop sound", "close sound", "stop sound", "close sound",
                                      "open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound",
                                      "play sound"}));
}

TEST(LazyAudioCommands, CreatesItsBackEndOnTheFirstCommandOnly) {
  int created = 0;
  LazyAudioCommands lazy([&] {
    ++created;
    return std::make_unique<RecordingAudio>();
  });
  EXPECT_EQ(created, 0);
  StopCue(lazy);
  EXPECT_EQ(lazy.SendCommand("play sound"), 0) << "the back end answers";
  EXPECT_EQ(created, 1);
  LazyAudioCommands none([] { return std::unique_ptr<AudioCommands>(); });
  EXPECT_NE(none.SendCommand("play sound"), 0);
}

// A device that logs what it is asked to do.
struct LoggingDevice : WavDevice {
  explicit LoggingDevice(std::vector<std::string>* l) : log(l) {}
  ~LoggingDevice() override { log->push_back("gone"); }
  bool Load(const std::filesystem::path& file) override {
    return log->push_back("load " + file.filename().string()), true;
  }
  bool Play() override { return log->push_back("play"), true; }
  void Stop() override { log->push_back("stop"); }
  std::vector<std::string>* log;
};

using Interpreter = EditorTest;

TEST_F(Interpreter, PlaysTheFileTheOpenCommandNamesAndAnswersErrorsOtherwise) {
  std::filesystem::create_directories(disk / "Windows" / "Media");
  WriteBytes(disk / "Windows" / "Media" / "robot~18.wav", "RIFF");
  WriteBytes(disk / "Windows" / "Media" / "robot~15.wav", "RIFF");
  std::vector<std::string> log;
  WavCommandInterpreter interpreter(drives, [&] { return std::make_unique<LoggingDevice>(&log); });
  EXPECT_EQ(interpreter.SendCommand("stop sound"), AudioError::NotOpen);
  EXPECT_EQ(interpreter.SendCommand("close sound"), AudioError::NotOpen);
  EXPECT_EQ(interpreter.SendCommand("PLAY SOUND"), AudioError::NotOpen);
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound"),
            AudioError::FileNotFound);
  for (const char* unknown : {"open waveaudio! alias sound", "pause sound", ""}) {
    EXPECT_EQ(interpreter.SendCommand(unknown), AudioError::UnknownCommand) << unknown;
  }
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(interpreter.IsOpen());

  PlayCue(interpreter, SaveCue);
  EXPECT_EQ(log, (std::vector<std::string>{"load robot~18.wav", "play"}));
  log.clear();
  PlayCue(interpreter, OpenCue);  // the new cue cuts the old one off
  EXPECT_EQ(log, (std::vector<std::string>{"stop", "stop", "gone", "load robot~15.wav", "play"}));
  log.clear();
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!c:\\windows\\media\\robot~18.wav alias sound"),
            AudioError::None);
  EXPECT_EQ(log, (std::vector<std::string>{"stop", "gone", "load robot~18.wav"}));
}

}  // namespace
}  // namespace vbe::testing

#include <gtest/gtest.h>

#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "support/editor_fixture.h"

namespace vbe::testing {
namespace {

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

TEST_F(Interpreter, PlaysTheCueFileThatIsThereAndAnswersErrorsOtherwise) {
  std::filesystem::create_directories(disk / "Windows" / "Media");
  WriteBytes(disk / "Windows" / "Media" / "robot~18.wav", "RIFF");
  std::vector<std::string> log;
  WavCommandInterpreter interpreter(drives, [&] { return std::make_unique<LoggingDevice>(&log); });
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound"),
            AudioError::FileNotFound);
  PlayCue(interpreter, SaveCue);
  PlayCue(interpreter, SaveCue);  // stops and closes the first
  EXPECT_EQ(log, (std::vector<std::string>{"load robot~18.wav", "play", "stop", "stop", "gone",
                                           "load robot~18.wav", "play"}));
}


}  // namespace
}  // namespace vbe::testing

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


// Windows has its own command interface, winmm, loaded on the first command from the system
// folder only (a winmm.dll planted beside the program answers 4242 and is never loaded); it
// answers what the interpreter answers elsewhere for a missing file and for a closed alias.
// Other hosts have none.
TEST(HostAudioCommands, AreWinmmOnWindowsAndAnswerItsErrorCodes) {
  const std::unique_ptr<AudioCommands> host = MakeHostAudioCommands();
#ifdef _WIN32
  ASSERT_NE(host, nullptr);
  const std::pair<std::string, int> cases[] = {
      {"close sound", AudioError::NotOpen},
      {"open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound", AudioError::FileNotFound},
      {"close sound", AudioError::NotOpen},
  };
  for (const auto& [command, answer] : cases) {
    EXPECT_EQ(host->SendCommand(command), answer) << command;
  }
#else
  EXPECT_EQ(host, nullptr);
#endif
}

}  // namespace
}  // namespace vbe::testing

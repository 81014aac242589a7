#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "sound/wav_file.h"
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

std::string Le(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// A WAV file of the given format tag, channels, rate and bits, with `extra` chunks between
// the format and the data.
std::string Wav(int tag, int channels, int rate, int bits, const std::string& data,
                const std::string& extra = "") {
  const int align = channels * bits / 8;
  const std::string fmt =
      Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) + Le(bits, 2);
  const std::string body = "WAVEfmt " + Le(16, 4) + fmt + extra + "data" +
                           Le(static_cast<std::uint32_t>(data.size()), 4) + data;
  return "RIFF" + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// The same in the extensible format: the format tag 0xFFFE, and the real one as the first two
// bytes of the sub-format's identifier, after the valid bits and the channel mask.
std::string ExtensibleWav(int subformat, int channels, int rate, int bits,
                          const std::string& data) {
  const int align = channels * bits / 8;
  const std::string guid_rest("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  const std::string fmt = Le(0xFFFE, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) +
                          Le(align, 2) + Le(bits, 2) + Le(22, 2) + Le(bits, 2) + Le(3, 4) +
                          Le(subformat, 2) + guid_rest;
  const std::string body =
      "WAVEfmt " + Le(40, 4) + fmt + "data" + Le(static_cast<std::uint32_t>(data.size()), 4) + data;
  return "RIFF" + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

struct WavCase {
  const char* name;
  std::string file;
  std::optional<WavSound::Encoding> encoding;  // nothing: refused
  int channels = 0, rate = 0, bits = 0;
  std::string samples;
  friend void PrintTo(const WavCase& c, std::ostream* out) { *out << c.name; }
};

class ParseWavFile : public ::testing::TestWithParam<WavCase> {};

TEST_P(ParseWavFile, GivesTheFormatAndWholeFramesOfUncompressedSamplesOnly) {
  const WavCase& c = GetParam();
  const auto s = ParseWav(c.file);
  EXPECT_EQ(s ? std::tuple(std::optional(s->encoding), s->channels, s->sample_rate,
                           s->bits_per_sample, s->samples)
              : std::tuple(std::optional<WavSound::Encoding>(), 0, 0, 0, std::string()),
            std::tuple(c.encoding, c.channels, c.rate, c.bits, c.samples));
}

using Enc = WavSound::Encoding;
WavCase Refused(const char* name, std::string file) {
  return {name, std::move(file), std::nullopt, 0, 0, 0, ""};
}
// A file of samples `data` that gives them back whole.
WavCase Accepted(const char* name, int tag, int channels, int rate, int bits,
                 const std::string& data, Enc encoding) {
  return {name, Wav(tag, channels, rate, bits, data), encoding, channels, rate, bits, data};
}
const std::string kFrames = "\x01\x02\x03\x04\x05\x06\x07\x08";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseWavFile,
    ::testing::Values(Accepted("Mono8Bit", 1, 1, 8000, 8, "\x30\x31\x32", Enc::UnsignedInt),
                      Accepted("Stereo16Bit", 1, 2, 22050, 16, kFrames, Enc::SignedInt),
                      Accepted("Mono32Bit", 1, 1, 44100, 32, kFrames, Enc::SignedInt),
                      Accepted("Float", 3, 2, 48000, 32, kFrames, Enc::Float),
                      WavCase{"Extensible16Bit", ExtensibleWav(1, 2, 44100, 16, kFrames),
                              Enc::SignedInt, 2, 44100, 16, kFrames},
                      WavCase{"ExtensibleFloat", ExtensibleWav(3, 1, 48000, 32, kFrames),
                              Enc::Float, 1, 48000, 32, kFrames},
                      Refused("ExtensibleCompressed", ExtensibleWav(2, 1, 8000, 16, kFrames)),
                      Refused("Float64Bit", Wav(3, 1, 48000, 64, kFrames)),
                      WavCase{"AChunkBeforeTheDataIsSkippedWithItsPadding",
                              Wav(1, 1, 8000, 8, "\x7F", "LIST" + Le(3, 4) + "abc" + '\0'),
                              Enc::UnsignedInt, 1, 8000, 8, "\x7F"},
                      WavCase{"DataCutShortKeepsWholeFrames",
                              Wav(1, 2, 8000, 16, kFrames).substr(0, 44 + 7), Enc::SignedInt, 2,
                              8000, 16, kFrames.substr(0, 4)},
                      Refused("Compressed", Wav(2, 1, 8000, 4, kFrames)),
                      Refused("TwentyFourBit", Wav(1, 1, 8000, 24, "\x01\x02\x03")),
                      Refused("NoChannels", Wav(1, 0, 8000, 16, kFrames)),
                      Refused("NotRiff", "RIFX" + Wav(1, 1, 8000, 8, "\x30").substr(4)),
                      Refused("NoDataChunk", Wav(1, 1, 8000, 8, "\x30").substr(0, 36)),
                      Refused("DataBeforeFormat", "RIFF" + Le(16, 4) + "WAVEdata" + Le(0, 4)),
                      Refused("Empty", "")),
    [](const auto& info) { return std::string(info.param.name); });

// How long a WAV file plays: the data the file holds at the format's byte rate, compressed
// or not; nothing without a byte rate or a data chunk.
TEST(WavFileDuration, IsTheDataHeldAtTheByteRate) {
  using std::chrono::milliseconds;
  const std::string second_16bit_stereo(44100 * 4, '\0');
  const std::pair<std::string, std::optional<milliseconds>> cases[] = {
      {Wav(1, 2, 44100, 16, second_16bit_stereo), milliseconds(1000)},
      {Wav(1, 2, 44100, 16, second_16bit_stereo).substr(0, 44 + 44100), milliseconds(250)},
      {Wav(1, 1, 8000, 8, std::string(12, '\x80'), "LIST" + Le(3, 4) + "abc" + '\0'),
       milliseconds(1)},
      {Wav(2, 2, 8000, 4, std::string(8000, '\0')), milliseconds(1000)},  // compressed
      {Wav(1, 0, 8000, 16, kFrames), std::nullopt},  // no channels: no byte rate
      {Wav(1, 1, 8000, 8, "\x30").substr(0, 36), std::nullopt},
      {"RIFF" + Le(16, 4) + "WAVEdata" + Le(0, 4), std::nullopt},
      {"", std::nullopt}};
  for (const auto& [file, duration] : cases) EXPECT_EQ(WavDuration(file), duration);
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

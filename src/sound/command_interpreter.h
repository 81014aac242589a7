#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/drive_table.h"
#include "sound/audio_commands.h"

namespace vbe {

// Plays one WAV file. Playing does not wait for the end of the sound.
class WavDevice {
 public:
  virtual ~WavDevice() = default;
  virtual bool Load(const std::filesystem::path& file) = 0;
  virtual bool Play() = 0;
  virtual void Stop() = 0;
};

// Error codes of the interpreter; the cue player drops them, tests read them.
namespace AudioError {
inline constexpr int None = 0;
inline constexpr int UnknownCommand = 261;
inline constexpr int NotOpen = 263;  // no device open under the alias
inline constexpr int FileNotFound = 275;
inline constexpr int DeviceFailed = 277;
}  // namespace AudioError

// Carries out the cue player's four commands where the host has no multimedia command
// interface: "open waveaudio!PATH alias sound" loads the WAV file that the Windows path names
// (through the drive table) onto a new device, replacing any device open under the alias;
// "play sound", "stop sound" and "close sound" act on that device. Commands on a closed alias
// and unknown commands answer an error code and change nothing.
class WavCommandInterpreter : public AudioCommands {
 public:
  using DeviceFactory = std::function<std::unique_ptr<WavDevice>()>;
  WavCommandInterpreter(DriveTable drives, DeviceFactory make_device);

  int SendCommand(std::string_view command) override;

 private:
  int Open(std::string_view windows_path);

  DriveTable drives_;
  DeviceFactory make_device_;
  std::unique_ptr<WavDevice> device_;
};

// The host's own multimedia command interface (winmm's mciSendStringA on Windows, loaded on
// the first command); null where the host has none.
std::unique_ptr<AudioCommands> MakeHostAudioCommands();

}  // namespace vbe

#include "sound/cue_player.h"

#include <string>

#include "platform/file_io.h"
#include "sound/wav_file.h"

namespace vbe {

void StopCue(AudioCommands& audio) {
  audio.SendCommand("stop sound");
  audio.SendCommand("close sound");
}

void PlayCue(AudioCommands& audio, std::string_view path) {
  StopCue(audio);
  std::string open = "open waveaudio!";
  open += path;
  open += " alias sound";
  audio.SendCommand(open);
  audio.SendCommand("play sound");
}

// A cue is a few seconds of sound; a larger file is not one.
constexpr std::uintmax_t kLongestCueFile = 16 * 1024 * 1024;

std::optional<std::chrono::milliseconds> CueLength(const DriveTable& drives,
                                                   std::string_view path) {
  const auto host = drives.ToHostPath(path);
  if (!host) return std::nullopt;
  const ReadResult read = ReadWholeFile(*host, kLongestCueFile);
  if (!read.status) return std::nullopt;
  return WavDuration(read.bytes);
}

}  // namespace vbe

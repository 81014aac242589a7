#include "sound/cue_player.h"

#include <string>

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

}  // namespace vbe

#pragma once

#include <string>
#include <vector>

#include "sound/audio_commands.h"

namespace vbe::testing {

// Records every command string and answers `answer` (a machine without sound answers an error).
class RecordingAudio : public AudioCommands {
 public:
  std::vector<std::string> commands;
  int answer = 0;

  int SendCommand(std::string_view command) override {
    commands.emplace_back(command);
    return answer;
  }
};

// The four commands a cue sends for the WAV file `wav` of the system's media folder.
inline std::vector<std::string> Cue(const std::string& wav) {
  return {"stop sound", "close sound",
          "open waveaudio!c:\\windows\\media\\" + wav + ".wav alias sound", "play sound"};
}

}  // namespace vbe::testing

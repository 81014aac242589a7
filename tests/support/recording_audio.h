#pragma once

#include <string>
#include <vector>

#include "sound/audio_commands.h"

namespace vbe::testing {

// Records every command string sent to the audio back end and answers an error code, as a
// machine without sound would.
class RecordingAudio : public AudioCommands {
 public:
  std::vector<std::string> commands;
  int answer = 0;

  int SendCommand(std::string_view command) override {
    commands.emplace_back(command);
    return answer;
  }
};

}  // namespace vbe::testing

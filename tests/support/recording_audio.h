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

}  // namespace vbe::testing

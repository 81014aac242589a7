#include "sound/command_interpreter.h"

namespace vbe {

// No multimedia command interface here: the command interpreter stands in for it.
std::unique_ptr<AudioCommands> MakeHostAudioCommands() {
  return nullptr;
}

}  // namespace vbe

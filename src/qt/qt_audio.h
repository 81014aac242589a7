#pragma once

#include <memory>

#include "platform/drive_table.h"
#include "sound/audio_commands.h"

namespace vbe {

// The audio back end of the Qt front end: the command interpreter playing through Qt
// Multimedia, in a module loaded on the first cue.
std::unique_ptr<AudioCommands> MakeAudioBackend(const DriveTable& drives);

}  // namespace vbe

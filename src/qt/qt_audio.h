#pragma once

#include <memory>

#include "platform/drive_table.h"
#include "sound/audio_commands.h"

namespace vbe {

// The audio back end of this host: the system's multimedia command interface where there is
// one, else the command interpreter playing through Qt Multimedia.
std::unique_ptr<AudioCommands> MakeAudioBackend(const DriveTable& drives);

}  // namespace vbe

#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "platform/drive_table.h"
#include "sound/audio_commands.h"

namespace vbe {

// The three cues, with the short names the game's Windows media folder gives them.
inline constexpr std::string_view OpenCue = "c:\\windows\\media\\robot~15.wav";
inline constexpr std::string_view SaveCue = "c:\\windows\\media\\robot~18.wav";
inline constexpr std::string_view ExitCue = "c:\\windows\\media\\robotz~8.wav";

// Every cue plays under the one alias "sound", so a new cue cuts the old one off.

// Stops and closes whatever plays under the alias. What the back end answers is ignored.
void StopCue(AudioCommands& audio);

// Stops the running cue, opens the WAV file under the alias and starts it without waiting.
void PlayCue(AudioCommands& audio, std::string_view path);

// How long the cue at `path`, a Windows path reached through the drive table, plays; nothing
// when its file cannot be read as a WAV file.
std::optional<std::chrono::milliseconds> CueLength(const DriveTable& drives, std::string_view path);

}  // namespace vbe

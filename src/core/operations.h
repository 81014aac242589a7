#pragma once

#include "core/bind_document.h"
#include "core/user_dialogs.h"
#include "platform/drive_table.h"
#include "sound/audio_commands.h"

namespace vbe {

// Everything an operation reaches beyond itself.
struct EditorServices {
  BindDocument& document;
  UserDialogs& dialogs;
  const DriveTable& drives;
  AudioCommands& audio;
};

// "&New": asks, and on Yes empties the eight lines. Nothing else changes.
void NewBind(EditorServices& editor);

// "&Save": composes the four say commands, asks for a file name and writes the bind file.
void SaveBind(EditorServices& editor);

}  // namespace vbe

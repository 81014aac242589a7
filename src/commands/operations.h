// The operations behind the buttons: the one layer that talks to the user.
//
// Each operation runs inside one event of a window: it reads and writes the bind through
// BindDocument, asks and tells the user through UserDialogs, plays cues through the sound cue
// player and reaches files through platform/. The decisions inside them are pure functions of
// core/ and gamecfg/. The windows' behaviour (app/) calls these; the front ends never do.
#pragma once

#include <functional>

#include "commands/user_dialogs.h"
#include "core/bind_document.h"
#include "platform/drive_table.h"
#include "platform/file_io.h"
#include "sound/audio_commands.h"

namespace vbe {

// What a front end's main window is given by the program or by a test.
struct Form1Host {
  DriveTable drives;
  // The user's side of the operations; null for the front end's own message boxes and file
  // dialog. Tests answer with a scripted fake.
  UserDialogs* dialogs = nullptr;
  // Ends the program; null to end the front end's event loop.
  std::function<void()> end_program;
  // Where the sound cues go; null for the host's own audio, created on the first cue.
  AudioCommands* audio = nullptr;
  // The warning sound for text a line editor refused; null for the system's own.
  std::function<void()> beep;
};

// Everything an operation reaches beyond itself.
struct EditorServices {
  BindDocument& document;
  UserDialogs& dialogs;
  const DriveTable& drives;
  AudioCommands& audio;
};

// "&New": asks, and on Yes empties the eight lines. Nothing else changes.
void NewBind(EditorServices& editor);

// "&Save": checks the lines, plays the save cue, composes the four say commands, asks for a
// file name and writes the bind file.
void SaveBind(EditorServices& editor);

// "&Open": plays the open cue, asks for a bind file and reads it into the eight lines (and the
// colour, for a full-length file). Any failure before the lines change leaves everything as it
// was, silently.
void OpenBind(EditorServices& editor);

// Reads a bind file into the document, the one way every open reads one: the file becomes the
// document's file name, so the next save dialog starts from it; then the eight lines are emptied
// and taken from the file, and the colour too when the file has the full length. A file that
// cannot be read (missing, a folder, too long, unreadable) leaves the lines and the colour as
// they were and says why.
IoResult ReadBindFile(BindDocument& document, const std::filesystem::path& file);

// Opens a bind file the user named outside the open dialog (on the command line, or dropped on
// the main window): no cue, no dialog. A file that cannot be read is reported in one box.
void OpenBindFile(EditorServices& editor, const std::filesystem::path& file);

// The longest file Open reads.
inline constexpr std::size_t MaxOpenFileLength = 32767;

}  // namespace vbe

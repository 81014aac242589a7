#include "commands/operations.h"

#include "commands/autoexec_update.h"
#include "commands/save_checks.h"
#include "core/bind_file.h"
#include "core/bind_reader.h"
#include "platform/file_io.h"
#include "sound/cue_player.h"

namespace vbe {

void NewBind(EditorServices& editor) {
  const Answer answer = editor.dialogs.ShowMessage("Start a new file? Are you sure?", "WaRnInG!",
                                                   MessageStyle::Stop + MessageStyle::YesNoCancel);
  if (answer != Answer::Yes) return;
  for (int k = 1; k <= LineCount; ++k) editor.document.SetLine(k, "");
}

void SaveBind(EditorServices& editor) {
  BindDocument& document = editor.document;

  if (!CheckAutoexecKey(document.AddToAutoexec(), document.Key(), editor.dialogs)) return;
  if (!CheckLineCharacters(document.Lines(), editor.dialogs)) return;
  PlayCue(editor.audio, SaveCue);

  const auto say_lines = ComposeSayLines(document.Lines(), document.Colour());
  if (!say_lines) return;

  const auto chosen = editor.dialogs.ChooseFile(FileDialogMode::Save, document.FileName());
  if (!chosen) return;
  document.SetFileName(*chosen);

  // A save that did not happen must never look like one that did.
  if (const IoResult written = WriteBindFile(*chosen, *say_lines); !written) {
    std::string text = "The bind could not be saved to ";
    text += PathToUtf8(*chosen);
    text += LineBreak;
    text += LineBreak;
    text += written.reason;
    editor.dialogs.ShowMessage(text, "Save Error", MessageStyle::Stop + MessageStyle::OkOnly);
    return;
  }

  if (document.AddToAutoexec()) {
    AppendAutoexecBind({document.Key(), document.AutoexecFolder(), *chosen}, editor.drives,
                       editor.dialogs);
  }
}

void OpenBind(EditorServices& editor) {
  BindDocument& document = editor.document;
  PlayCue(editor.audio, OpenCue);

  // Cancel ends the command even when the dialog still holds an earlier file's name.
  const auto chosen = editor.dialogs.ChooseFile(FileDialogMode::Open, document.FileName());
  if (!chosen) return;

  // Open ends silently once its cue has started, whatever went wrong.
  ReadBindFile(document, *chosen);
}

IoResult ReadBindFile(BindDocument& document, const std::filesystem::path& file) {
  document.SetFileName(file);
  const ReadResult read = ReadWholeFile(file, MaxOpenFileLength);
  if (!read.status) return read.status;

  // An empty file is read like any short one: eight empty lines, the colour left alone.
  for (int k = 1; k <= LineCount; ++k) document.SetLine(k, "");
  const ParsedBind parsed = ParseBindText(read.bytes, read.bytes.size());
  for (int k = 1; k <= LineCount; ++k) document.SetLine(k, parsed.lines[k - 1]);
  if (parsed.colour) document.SetColour(*parsed.colour);
  return {};
}

void OpenBindFile(EditorServices& editor, const std::filesystem::path& file) {
  const IoResult read = ReadBindFile(editor.document, file);
  if (read) return;
  std::string text = "The bind could not be opened from ";
  text += PathToUtf8(file);
  text += LineBreak;
  text += LineBreak;
  text += read.reason;
  editor.dialogs.ShowMessage(text, "Open Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

}  // namespace vbe

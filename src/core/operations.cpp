#include "core/operations.h"

#include "core/bind_file.h"
#include "gamecfg/autoexec.h"

namespace vbe {

void NewBind(EditorServices& editor) {
  const Answer answer = editor.dialogs.ShowMessage(
      "Start a new file? Are you sure?", "WaRnInG!",
      MessageStyle::Stop + MessageStyle::YesNoCancel);
  if (answer != Answer::Yes) return;
  for (int k = 1; k <= LineCount; ++k) editor.document.SetLine(k, "");
}

void SaveBind(EditorServices& editor) {
  if (!CheckAutoexecKey(editor)) return;

  BindDocument& document = editor.document;

  const auto say_lines = ComposeSayLines(document.Lines(), document.Colour());
  if (!say_lines) return;

  const auto chosen = editor.dialogs.ChooseFile(FileDialogMode::Save, document.FileName());
  if (!chosen) return;
  document.SetFileName(*chosen);

  // A save that did not happen must never look like one that did.
  if (const IoResult written = WriteBindFile(editor.drives, *chosen, *say_lines); !written) {
    std::string text = "The bind could not be saved to ";
    text += *chosen;
    text += LineBreak;
    text += LineBreak;
    text += written.reason;
    editor.dialogs.ShowMessage(text, "Save Error", MessageStyle::Stop + MessageStyle::OkOnly);
    return;
  }

  if (document.AddToAutoexec()) AppendAutoexecBind(editor);
}

}  // namespace vbe

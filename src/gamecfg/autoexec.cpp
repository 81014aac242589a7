#include "gamecfg/autoexec.h"

#include <initializer_list>

#include "platform/code_page.h"
#include "platform/file_io.h"

namespace vbe {
namespace {

// The key messages: an opening, the problem, and the request to pick a key.
std::string KeyMessage(std::initializer_list<std::string_view> problem) {
  std::string text = "Ok here's the problem ..";
  text += LineBreak;
  text += LineBreak;
  for (std::string_view row : problem) {
    text += row;
    text += LineBreak;
  }
  text += LineBreak;
  text += "Go pick one from the drop down list and try again.";
  return text;
}

void ReportAutoexecFailure(EditorServices& editor, const std::string& path,
                           const std::string& reason) {
  std::string text = "The bind file is saved, but the bind could not be added to ";
  text += Cp1252ToUtf8(path);
  text += LineBreak;
  text += LineBreak;
  text += reason;
  editor.dialogs.ShowMessage(text, "Autoexec Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

// The name goes into the console line unquoted: a double quote, a semicolon or a control
// character there would end the command and let the rest of the name run as console text.
bool NameIsSafeForConsole(std::string_view name) {
  for (char c : name) {
    if (c == '"' || c == ';' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view FileNamePart(std::string_view path) {
  const std::size_t last = path.rfind('\\');
  return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string ComposeAutoexecLine(std::string_view key, std::string_view bind_file_path) {
  std::string line = "bind \"";
  line += TrimSpaces(key);
  line += "\" exec ";
  line += FileNamePart(bind_file_path);
  return line;
}

std::string AutoexecPath(std::string_view folder) {
  std::string path(TrimSpaces(folder));
  path += '\\';
  path += AutoexecFileName;
  return path;
}

bool CheckAutoexecKey(EditorServices& editor) {
  const BindDocument& document = editor.document;
  if (!document.AddToAutoexec()) return true;
  const std::string key = document.Key();
  const int style = MessageStyle::Exclamation + MessageStyle::OkOnly;
  if (TrimSpaces(key).empty() || key == KeyPrompt) {
    editor.dialogs.ShowMessage(
        KeyMessage({"You've asked the program to add the bind to your autoexec.cfg file,",
                    "BUT, you haven't specified a key to bind it too."}),
        "D'oh!", style);
    return false;
  }
  if (key.find('"') != std::string::npos) {
    editor.dialogs.ShowMessage(KeyMessage({"The key to bind can't contain a double quote (\")."}),
                               "D'oh!", style);
    return false;
  }
  return true;
}

void AppendAutoexecBind(EditorServices& editor) {
  const Answer answer = editor.dialogs.ShowMessage(
      "File saved .. Proceed to modify autoexec.cfg file?", "Modify autoexec?",
      MessageStyle::Information + MessageStyle::YesNoCancel);
  if (answer != Answer::Yes) return;

  const BindDocument& document = editor.document;
  const std::string path = AutoexecPath(document.AutoexecFolder());
  // The line names the bind by its bare name, which the game reads in its code page, and the
  // game can only run a bind on one of its drives.
  const std::filesystem::path bind_file = document.FileName();
  if (!Utf8ToCp1252(PathToUtf8(bind_file.filename()))) {
    ReportAutoexecFailure(editor, path,
                          "The bind file's name " + PathToUtf8(bind_file.filename()) +
                              " holds letters the game cannot write. Save the bind under a name "
                              "of plain letters.");
    return;
  }
  const auto bind_path = editor.drives.ToWindowsPath(bind_file);
  if (!bind_path) {
    ReportAutoexecFailure(editor, path,
                          "The game cannot reach the bind file " + PathToUtf8(bind_file) +
                              ": its folder lies on no drive of the game or has a name the "
                              "game cannot write.");
    return;
  }
  if (!NameIsSafeForConsole(FileNamePart(*bind_path))) {
    ReportAutoexecFailure(editor, path,
                          "The bind file's name holds a double quote, a semicolon or a control "
                          "character, which the game's console would read as the end of the "
                          "command. Save the bind under a plainer name.");
    return;
  }
  const auto host = editor.drives.ToHostPath(path);
  if (!host) {
    ReportAutoexecFailure(editor, path, "The path is on no drive of this machine.");
    return;
  }
  const LastByteResult last = ReadLastByte(*host);
  if (!last.status) {
    ReportAutoexecFailure(editor, path, last.status.reason);
    return;
  }

  // A last line without its line end gets one first, so the new line does not continue it; a
  // lone CR at the end needs only its LF.
  std::string bytes;
  if (last.byte == '\r') {
    bytes += '\n';
  } else if (last.byte && *last.byte != '\n') {
    bytes += LineBreak;
  }
  bytes += ComposeAutoexecLine(document.Key(), *bind_path);
  bytes += LineBreak;
  if (const IoResult appended = AppendToFile(*host, bytes); !appended) {
    ReportAutoexecFailure(editor, path, appended.reason);
  }
}

}  // namespace vbe

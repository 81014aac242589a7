#include "commands/autoexec_update.h"

#include "core/bind_document.h"
#include "gamecfg/autoexec.h"
#include "platform/code_page.h"
#include "platform/file_io.h"

namespace vbe {
namespace {

void ReportFailure(UserDialogs& dialogs, const std::string& path, const std::string& reason) {
  std::string text = "The bind file is saved, but the bind could not be added to ";
  text += Cp1252ToUtf8(path);
  text += LineBreak;
  text += LineBreak;
  text += reason;
  dialogs.ShowMessage(text, "Autoexec Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

}  // namespace

void AppendAutoexecBind(const AutoexecRequest& request, const DriveTable& drives,
                        UserDialogs& dialogs) {
  const Answer answer =
      dialogs.ShowMessage("File saved .. Proceed to modify autoexec.cfg file?", "Modify autoexec?",
                          MessageStyle::Information + MessageStyle::YesNoCancel);
  if (answer != Answer::Yes) return;

  const std::string path = AutoexecPath(request.autoexec_folder);
  // The line names the bind by its bare name, which the game reads in its code page, and the
  // game can only run a bind on one of its drives.
  const std::string name = PathToUtf8(request.bind_file.filename());
  if (!Utf8ToCp1252(name)) {
    ReportFailure(dialogs, path,
                  "The bind file's name " + name +
                      " holds letters the game cannot write. Save the bind under a name of "
                      "plain letters.");
    return;
  }
  const auto bind_path = drives.ToWindowsPath(request.bind_file);
  if (!bind_path) {
    ReportFailure(dialogs, path,
                  "The game cannot reach the bind file " + PathToUtf8(request.bind_file) +
                      ": its folder lies on no drive of the game or has a name the game cannot "
                      "write.");
    return;
  }
  if (!NameIsSafeForConsole(FileNamePart(*bind_path))) {
    ReportFailure(dialogs, path,
                  "The bind file's name holds a space, a double quote, a semicolon or a control "
                  "character, which the game's console would read as the end of the name. Save "
                  "the bind under a plainer name.");
    return;
  }
  const auto host = drives.ToHostPath(path);
  if (!host) {
    ReportFailure(dialogs, path, "The path is on no drive of this machine.");
    return;
  }
  const LastByteResult last = ReadLastByte(*host);
  if (!last.status) {
    ReportFailure(dialogs, path, last.status.reason);
    return;
  }

  std::string bytes(LineEndBefore(last.byte));
  bytes += ComposeAutoexecLine(request.key, *bind_path);
  bytes += LineBreak;
  if (const IoResult appended = AppendToFile(*host, bytes); !appended) {
    ReportFailure(dialogs, path, appended.reason);
  }
}

}  // namespace vbe

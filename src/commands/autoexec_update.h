#pragma once

#include <filesystem>
#include <string>

#include "commands/user_dialogs.h"
#include "platform/drive_table.h"

namespace vbe {

// What the autoexec step of Save reads from the document.
struct AutoexecRequest {
  std::string key;                  // the key chooser's text
  std::string autoexec_folder;      // Text15, a Windows path
  std::filesystem::path bind_file;  // the bind file just written, as the host names it
};

// The last step of Save, after the bind file is written: asks, and on Yes appends the bind
// line and CR LF to autoexec.cfg, creating it when missing. The bind must have a bare name the
// game can write and lie on one of its drives; a name that would break the console line is
// refused. A failure is reported; the bind file stays saved either way.
void AppendAutoexecBind(const AutoexecRequest& request, const DriveTable& drives,
                        UserDialogs& dialogs);

}  // namespace vbe

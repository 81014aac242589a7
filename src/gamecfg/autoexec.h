// What ties a bind to the game: the key names offered for binding (key_catalogue.h), the line
// that Save appends to the game's start-up script autoexec.cfg (this header), and the logic of
// the window that locates that script's folder (locator.h).
//
// Save checks the key before anything else (CheckAutoexecKey). After the bind file is written,
// and while "Add bind to autoexec for me after saving" is ticked, it asks and appends
// `bind "KEY" exec NAME` to autoexec.cfg in the folder shown in Text15 (AppendAutoexecBind).
// That folder changes only through the locator window, which first proves that autoexec.cfg
// can be opened there. Texts are Windows-1252 bytes and paths are Windows paths, reached on
// the host through the drive table. Nothing here touches a widget.
#pragma once

#include <string>
#include <string_view>

#include "core/operations.h"

namespace vbe {

inline constexpr std::string_view AutoexecFileName = "autoexec.cfg";

// The text without the spaces at either end; only spaces (code 32) are removed.
std::string_view TrimSpaces(std::string_view text);

// The characters after the last backslash of a path, or the whole path when it holds none.
// Only the backslash separates: a forward slash is part of the name.
std::string_view FileNamePart(std::string_view path);

// `bind "KEY" exec NAME`: the key trimmed of spaces between double quotes, and the bind file's
// name without its folder. The name is not quoted; the line end is added when it is written.
std::string ComposeAutoexecLine(std::string_view key, std::string_view bind_file_path);

// The folder trimmed of spaces, then "\autoexec.cfg"; the backslash is added even after one.
std::string AutoexecPath(std::string_view folder);

// The first step of Save. Passes when the autoexec option is off. With it on, a key that is
// empty once trimmed, the exact KeyPrompt, or a key holding a double quote (which would end the
// quoted key early and let the rest through as console text) is refused with a message.
// Returns whether Save may go on.
bool CheckAutoexecKey(EditorServices& editor);

// The last step of Save, after the bind file is written: asks, and on Yes appends the bind
// line and CR LF to autoexec.cfg, creating it when missing. When the file's last line has no
// line end, CR LF goes first so the new line does not continue it. A bind file name that would
// break the console line is refused. A failure is reported; the bind file stays saved either
// way.
void AppendAutoexecBind(EditorServices& editor);

}  // namespace vbe

// What ties a bind to the game: the key names offered for binding (key_catalogue.h), the line
// that Save appends to the game's start-up script autoexec.cfg (this header), and the decisions
// of the window that locates that script's folder (locator.h).
//
// Everything here is a decision on Windows-1252 text and Windows paths; the operations that ask
// the user and write the files (commands/) call it. Nothing here touches a file or a window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vbe {

inline constexpr std::string_view AutoexecFileName = "autoexec.cfg";

// The characters after the last backslash of a path, or the whole path when it holds none.
// Only the backslash separates: a forward slash is part of the name.
std::string_view FileNamePart(std::string_view path);

// `bind "KEY" exec NAME`: the key trimmed of spaces between double quotes, and the bind file's
// name without its folder. The name is not quoted; the line end is added when it is written.
std::string ComposeAutoexecLine(std::string_view key, std::string_view bind_file_path);

// The folder trimmed of spaces, then "\autoexec.cfg"; the backslash is added even after one.
std::string AutoexecPath(std::string_view folder);

// What is wrong with the key chooser's text as a key to bind: nothing; no key (empty once
// trimmed, or the exact prompt); or a double quote, which would end the quoted key early and
// let the rest through as console text.
enum class KeyProblem { None, NoKey, DoubleQuote };
KeyProblem FindKeyProblem(std::string_view key);

// The name goes into the console line unquoted: a double quote, a semicolon or a control
// character there would end the command and let the rest of the name run as console text, and
// a space would split the name into two words.
bool NameIsSafeForConsole(std::string_view name);

// What goes before a new line appended to a script whose last byte is `last_byte` (nothing for
// an empty or missing file): a last line without its line end gets CR LF, a lone CR its LF.
std::string_view LineEndBefore(std::optional<char> last_byte);

}  // namespace vbe

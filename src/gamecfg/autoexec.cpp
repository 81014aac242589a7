#include "gamecfg/autoexec.h"

#include "core/bind_document.h"
#include "core/text.h"

namespace vbe {

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

KeyProblem FindKeyProblem(std::string_view key) {
  if (TrimSpaces(key).empty() || key == KeyPrompt) return KeyProblem::NoKey;
  if (key.find('"') != std::string_view::npos) return KeyProblem::DoubleQuote;
  return KeyProblem::None;
}

bool NameIsSafeForConsole(std::string_view name) {
  for (char c : name) {
    if (c == '"' || c == ';' || c == ' ' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

std::string_view LineEndBefore(std::optional<char> last_byte) {
  if (!last_byte || *last_byte == '\n') return {};
  return *last_byte == '\r' ? std::string_view("\n") : LineBreak;
}

}  // namespace vbe

#include "core/bind_file.h"

namespace vbe {

std::optional<SayLines> ComposeSayLines(const BindLines& lines, TextColour colour) {
  for (const std::string& line : lines) {
    if (line.size() > DisplayLineWidth) return std::nullopt;
  }
  const char marker = colour == TextColour::White ? ' ' : '>';
  SayLines say_lines;
  for (int k = 0; k < 4; ++k) {
    const std::string& upper = lines[2 * k];
    const std::string& lower = lines[2 * k + 1];
    std::string& say = say_lines[k];
    say.reserve(SayLineLength);
    say += "say \"\r";
    say += marker;
    say += upper;
    say.append(DisplayLineWidth - upper.size(), ' ');
    say += SayLineGap;
    say += lower;
    say.append(DisplayLineWidth - lower.size(), ' ');
    say += '"';
  }
  return say_lines;
}

std::string ComposeBindFile(const SayLines& say_lines) {
  std::string bytes;
  bytes.reserve(FullBindFileLength);
  for (const std::string& say : say_lines) {
    bytes += say;
    bytes += LineBreak;
  }
  return bytes;
}

IoResult WriteBindFile(const std::filesystem::path& file, const SayLines& say_lines) {
  return ReplaceFileAtomically(file, ComposeBindFile(say_lines));
}

}  // namespace vbe

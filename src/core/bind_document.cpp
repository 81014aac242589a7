#include "core/bind_document.h"

namespace vbe {

BindLines BindDocument::Lines() const {
  BindLines lines;
  for (int k = 1; k <= LineCount; ++k) lines[k - 1] = Line(k);
  return lines;
}

void MemoryBindDocument::SetLine(int number, const std::string& text) {
  std::string& line = lines.at(number - 1);
  const std::string kept = text.substr(0, DisplayLineWidth);
  if (kept != line) ++line_changes;
  line = kept;
}

void MemoryBindDocument::ReplaceFirstCharacter(int number, char character) {
  std::string& line = lines.at(number - 1);
  std::string replaced = line;
  if (replaced.empty()) {
    replaced = character;
  } else {
    replaced[0] = character;
  }
  if (replaced != line) ++line_changes;
  line = replaced;
}

}  // namespace vbe

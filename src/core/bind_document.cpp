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

}  // namespace vbe

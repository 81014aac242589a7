#include "core/preview.h"

namespace vbe {

std::string BuildPreviewText(const BindLines& lines) {
  std::string text;
  text.reserve(LineCount * (DisplayLineWidth + LineBreak.size()));
  for (int k = 0; k < LineCount; ++k) {
    if (k > 0) text += LineBreak;
    text += lines[k];
  }
  return text;
}

}  // namespace vbe

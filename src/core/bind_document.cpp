#include "core/bind_document.h"

namespace vbe {

BindLines BindDocument::Lines() const {
  BindLines lines;
  for (int k = 1; k <= LineCount; ++k) lines[k - 1] = Line(k);
  return lines;
}

}  // namespace vbe

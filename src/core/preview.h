#pragma once

#include <string>

#include "core/bind_document.h"

namespace vbe {

// The text of the preview box: the eight lines as they stand, one row each, joined by
// LineBreak. Nothing is trimmed or padded, and no LineBreak follows line 8, so the rows below
// an empty line or a line of spaces keep their places.
std::string BuildPreviewText(const BindLines& lines);

}  // namespace vbe

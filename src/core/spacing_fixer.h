#pragma once

#include <vector>

#include "core/bind_document.h"

namespace vbe {

// A character the game shows as nothing. A line that begins with it keeps its leading spaces
// on the game's screen, where a line that begins with spaces is pushed to the left edge.
inline constexpr char SpacingMark = '\x85';

// Lines longer than this, not counting trailing spaces, may wrap on the game's screen.
inline constexpr std::size_t LengthWarningLimit = 32;

// The numbers (1 to 8, ascending) of the lines longer than LengthWarningLimit once trailing
// spaces are removed. Leading spaces and every other character count.
std::vector<int> FindLongLines(const BindLines& lines);

}  // namespace vbe

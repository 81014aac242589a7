#pragma once

#include <optional>
#include <span>

#include "core/bind_document.h"
#include "forms/layout.h"

namespace vbe {

inline constexpr const char* ProgramTitle = "Vellmar Bind Editor";
inline constexpr int MainClientWidth = 10440;
inline constexpr int MainClientHeight = 6705;

// The dark field of the background picture; the check boxes and option buttons share it.
inline constexpr LayoutColour PictureGround = Rgb(8, 8, 24);
// The preview's text in the two chat colours.
inline constexpr LayoutColour PreviewWhite = Rgb(255, 255, 255);
inline constexpr LayoutColour PreviewYellow = Rgb(255, 255, 0);

// Form1, the main window: every control, its place and its initial state.
std::span<const ControlRow> MainWindowControls();

// The Up and Down arrows move between the line editors as between the lines of one text.
enum class LineArrow { Up, Down };
// The line (1 to 8) an arrow key in line `line` moves the focus to; nothing past the first or
// the last line. Shift, Ctrl and Alt do not matter, and the key is not swallowed.
std::optional<int> LineAfterArrow(int line, LineArrow arrow);

// Auto Preview (Check1) is on only when checked (1), not when cleared (0) or greyed (2): then
// every change of a line recomposes the preview.
constexpr bool PreviewFollowsEdits(int check1_value) {
  return check1_value == 1;
}

}  // namespace vbe

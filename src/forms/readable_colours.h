// Colours a control is drawn in, chosen so its text stays readable on any desktop scheme.
//
// A row's colours name fixed red-green-blue values, the control kind's own default, or a colour
// of the desktop's scheme by system colour index. Each system colour resolves on its own, so
// under a dark scheme a pair meant as dark text on a light ground can come out light on light.
// The resolution here looks at the pair: where text and ground are too close, the scheme's own
// pair for the kind of control is used instead; the layout's fixed colours are kept as they are.
#pragma once

#include <array>
#include <cstdint>

#include "forms/layout.h"

namespace vbe {

// A colour as 0xRRGGBB.
using RgbValue = std::uint32_t;

struct ColourPair {
  RgbValue background;
  RgbValue text;
  constexpr bool operator==(const ColourPair&) const = default;
};

// The desktop's scheme as a front end reads it.
struct SystemColours {
  std::array<RgbValue, 31> by_index{};  // each system colour index, 0 to 30
  ColourPair base;                      // text boxes and lists
  ColourPair window;                    // the window's ground: labels, check and option buttons
  ColourPair button;                    // buttons
  // The user asks every program to draw in the scheme's colours only (Windows' high contrast).
  bool high_contrast = false;
};

// The least contrast ratio at which normal text counts as readable.
inline constexpr double ReadableContrast = 4.5;

// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(RgbValue colour);
// The contrast ratio of two colours, 1 (equal) to 21 (black on white).
double ContrastRatio(RgbValue a, RgbValue b);

// The ground of a window whose own ground is `ground` (DefaultColour: the scheme's window
// colour). In high contrast every window stands on the scheme's window colour.
RgbValue WindowGround(LayoutColour ground, const SystemColours& system);

// The pair to draw `row` with when its text colour is `text` (the row's own, or the one its
// behaviour set since). A control without a background colour of its own stands on `ground`,
// the window's ground, except text boxes and buttons, which fill themselves. In high contrast
// every control takes the scheme's pair for its kind.
ColourPair ReadableColours(const ControlRow& row, LayoutColour text, const SystemColours& system,
                           LayoutColour ground = DefaultColour);

}  // namespace vbe

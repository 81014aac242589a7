#include "forms/readable_colours.h"

#include <cmath>

namespace vbe {
namespace {

double Linear(RgbValue channel) {
  const double c = static_cast<double>(channel & 0xFF) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

constexpr RgbValue kBlack = 0x000000;
constexpr RgbValue kWhite = 0xFFFFFF;

// Controls that fill their own ground take the scheme's pair for what they are.
const ColourPair& KindPair(ControlKind kind, const SystemColours& system) {
  switch (kind) {
    case ControlKind::LineEditor:
    case ControlKind::MultiLineBox:
    case ControlKind::ComboBox:
    case ControlKind::DriveList:
    case ControlKind::FolderList:
      return system.base;
    case ControlKind::Button:
    case ControlKind::PictureButton:
      return system.button;
    default:
      return system.window;
  }
}

bool FillsItself(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Shape:
      return false;
    default:
      return true;
  }
}

RgbValue Resolve(LayoutColour colour, const SystemColours& system, RgbValue fallback) {
  switch (colour.kind) {
    case LayoutColour::Kind::Rgb:
      return static_cast<RgbValue>(colour.value) & 0xFFFFFF;
    case LayoutColour::Kind::System:
      if (colour.value >= 0 && static_cast<std::size_t>(colour.value) < system.by_index.size()) {
        return system.by_index[static_cast<std::size_t>(colour.value)];
      }
      return fallback;
    case LayoutColour::Kind::Default:
      return fallback;
  }
  return fallback;
}

// The colour of `choices` (then black or white) that reads best against `fixed`.
RgbValue BestAgainst(RgbValue fixed, const ColourPair& choices) {
  RgbValue best = ContrastRatio(fixed, choices.text) >= ContrastRatio(fixed, choices.background)
                      ? choices.text
                      : choices.background;
  if (ContrastRatio(fixed, best) >= ReadableContrast) return best;
  return ContrastRatio(fixed, kBlack) >= ContrastRatio(fixed, kWhite) ? kBlack : kWhite;
}

}  // namespace

double RelativeLuminance(RgbValue colour) {
  return 0.2126 * Linear(colour >> 16) + 0.7152 * Linear(colour >> 8) + 0.0722 * Linear(colour);
}

double ContrastRatio(RgbValue a, RgbValue b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

RgbValue WindowGround(LayoutColour ground, const SystemColours& system) {
  if (system.high_contrast) return system.window.background;
  return Resolve(ground, system, system.window.background);
}

ColourPair ReadableColours(const ControlRow& row, LayoutColour text, const SystemColours& system,
                           LayoutColour ground) {
  const ColourPair& scheme = KindPair(row.kind, system);
  if (system.high_contrast) return scheme;
  const bool fills = FillsItself(row.kind) || row.background != DefaultColour;
  const LayoutColour background = fills ? row.background : ground;
  const ColourPair drawn{Resolve(background, system, scheme.background),
                         Resolve(text, system, scheme.text)};
  if (ContrastRatio(drawn.background, drawn.text) >= ReadableContrast) return drawn;
  const bool fixed_background = background.kind == LayoutColour::Kind::Rgb;
  const bool fixed_text = text.kind == LayoutColour::Kind::Rgb;
  if (fixed_background && fixed_text) return drawn;
  if (fixed_background) return {drawn.background, BestAgainst(drawn.background, scheme)};
  if (fixed_text) return {BestAgainst(drawn.text, scheme), drawn.text};
  return scheme;
}

}  // namespace vbe

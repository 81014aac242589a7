// The colours each control is drawn in under a light scheme, a dark one and high contrast.
#include "forms/readable_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/main_window.h"

namespace vbe::testing {
namespace {

SystemColours Scheme(ColourPair base, ColourPair window, ColourPair button, RgbValue menu_text,
                     RgbValue highlight, RgbValue highlight_text, RgbValue button_light) {
  SystemColours system;
  system.base = base;
  system.window = window;
  system.button = button;
  system.by_index[7] = menu_text;
  system.by_index[13] = highlight;
  system.by_index[14] = highlight_text;
  system.by_index[20] = button_light;
  return system;
}

// A light desktop, and a dark one whose text colours are light, as GNOME's dark scheme.
const SystemColours kLight = Scheme({0xFFFFFF, 0x000000}, {0xEFEFEF, 0x000000},
                                    {0xE0E0E0, 0x101010}, 0x000000, 0x308CC6, 0xFFFFFF, 0xFFFFFF);
const SystemColours kDark = Scheme({0x2D2D2D, 0xFFFFFF}, {0x353535, 0xEEEEEC}, {0x3A3A3A, 0xF0F0F0},
                                   0xEEEEEC, 0x15539E, 0xFFFFFF, 0x505050);
SystemColours HighContrast() {
  SystemColours system = Scheme({0x000000, 0xFFFFFF}, {0x000080, 0xFFFF00}, {0x008000, 0xFFFFFF},
                                0xFFFFFF, 0x00FFFF, 0x000000, 0xFFFFFF);
  system.high_contrast = true;
  return system;
}

struct Case {
  const char* what;
  const char* row;
  LayoutColour text;  // DefaultColour: the row's own
  SystemColours system;
  ColourPair drawn;
};

TEST(ReadableColours, KeepReadablePairsSwapUnreadableOnesAndNeverChangeFixedColours) {
  // clang-format off
  const std::vector<Case> cases = {
      {"light: a line as the layout draws it", "Text1", {}, kLight, {0xFFFFFF, 0x000000}},
      {"dark: light on light becomes the scheme's text box pair", "Text1", {}, kDark, {0x2D2D2D, 0xFFFFFF}},
      {"light: white preview on the menu text colour", "Text14", {}, kLight, {0x000000, 0xFFFFFF}},
      {"dark: yellow preview keeps its yellow on the darker ground", "Text14", PreviewYellow, kDark, {0x2D2D2D, 0xFFFF00}},
      {"light: autoexec check box in button highlight on the picture", kAutoexecCheck, {}, kLight, {0x080818, 0xFFFFFF}},
      {"dark: dim button highlight gives way to the window text", kAutoexecCheck, {}, kDark, {0x080818, 0xEEEEEC}},
      {"dark: yellow option on the picture", kYellowOption, {}, kDark, {0x080818, 0xFFFF00}},
      {"dark: olive label on the window's picture ground", "Label2", {}, kDark, {0x080818, 0xC0C000}},
      {"light: label in highlight text on the picture ground", "Label1", {}, kLight, {0x080818, 0xFFFFFF}},
      {"light: button in the scheme's button pair", kExitButton, {}, kLight, {0xE0E0E0, 0x101010}},
      {"dark: read-only box in the scheme's text box pair", kAutoexecFolderBox, {}, kDark, {0x2D2D2D, 0xFFFFFF}},
      {"high contrast: the preview drops its yellow", "Text14", PreviewYellow, HighContrast(), {0x000000, 0xFFFFFF}},
      {"high contrast: a check box on the window pair", kAutoexecCheck, {}, HighContrast(), {0x000080, 0xFFFF00}},
      {"high contrast: a button", kExitButton, {}, HighContrast(), {0x008000, 0xFFFFFF}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const ControlRow& row = RowNamed(MainWindowControls(), c.row);
    const LayoutColour text = c.text == DefaultColour ? row.text : c.text;
    const ColourPair drawn = ReadableColours(row, text, c.system, PictureGround);
    EXPECT_EQ(drawn.background, c.drawn.background) << c.what;
    EXPECT_EQ(drawn.text, c.drawn.text) << c.what;
  }
}

TEST(ReadableColours, SwapAPairJustUnderTheReadableRatioAndKeepOneJustOver) {
  struct Edge {
    RgbValue text;
    bool kept;
  };
  // Grey 0x767676 reads at 4.54:1 on white, 0x777777 at 4.48:1.
  for (const Edge& edge : {Edge{0x767676, true}, Edge{0x777777, false}}) {
    SystemColours system = kLight;
    system.by_index[7] = edge.text;
    const ControlRow& line = RowNamed(MainWindowControls(), "Text1");
    const ColourPair drawn = ReadableColours(line, line.text, system);
    EXPECT_EQ(drawn, (edge.kept ? ColourPair{0xFFFFFF, edge.text} : kLight.base)) << edge.text;
  }
  // Fixed colours on both sides stay, however close: they are the layout's own.
  const ControlRow grey = LineEditor({.name = "Grey",
                                      .place = {},
                                      .tab = 0,
                                      .background = Rgb(90, 90, 90),
                                      .text_colour = Rgb(100, 100, 100)});
  EXPECT_EQ(ReadableColours(grey, grey.text, kDark), (ColourPair{0x5A5A5A, 0x646464}));
  // A fixed ground that neither colour of the scheme reads on takes black or white text.
  const ControlRow mid =
      Label({.name = "Mid", .caption = "", .place = {}, .text_colour = SystemColour(7)});
  SystemColours grey_scheme = kLight;
  grey_scheme.window = {0x777777, 0x808080};
  grey_scheme.by_index[7] = 0x707070;
  EXPECT_EQ(ReadableColours(mid, mid.text, grey_scheme, Rgb(0x77, 0x77, 0x77)),
            (ColourPair{0x777777, 0x000000}));
}

TEST(ReadableColours, AControlsOwnGroundComesBeforeTheWindowsWhichIsTheLayoutsOwnIfGiven) {
  const ControlRow& check = RowNamed(MainWindowControls(), kAutoexecCheck);
  EXPECT_EQ(ReadableColours(check, check.text, kDark), (ColourPair{0x080818, 0xEEEEEC}));
  EXPECT_EQ(WindowGround(PictureGround, kDark), 0x080818u);
  EXPECT_EQ(WindowGround(DefaultColour, kDark), 0x353535u);
  EXPECT_EQ(WindowGround(PictureGround, HighContrast()), 0x000080u);
}

TEST(ContrastRatio, FollowsTheRelativeLuminanceOfSrgb) {
  struct Pair {
    RgbValue a, b;
    double ratio;
  };
  for (const Pair& p : {Pair{0x000000, 0xFFFFFF, 21.0}, Pair{0xFFFFFF, 0x000000, 21.0},
                        Pair{0x808080, 0x808080, 1.0}, Pair{0x767676, 0xFFFFFF, 4.54},
                        Pair{0xFF0000, 0x000000, 5.25}, Pair{0x00FF00, 0x000000, 15.30},
                        Pair{0x0000FF, 0x000000, 2.44}, Pair{0x0A0A0A, 0x000000, 1.06},
                        Pair{0x404040, 0x000000, 2.025}}) {
    EXPECT_NEAR(ContrastRatio(p.a, p.b), p.ratio, 0.005) << std::hex << p.a << " " << p.b;
  }
}

}  // namespace
}  // namespace vbe::testing

#include "forms/main_window.h"

namespace vbe {
namespace {

using K = ControlKind;
using F = FontName;

constexpr LayoutColour kPictureGround = Rgb(8, 8, 24);

// clang-format off
constexpr ControlRow kMainWindow[] = {
  // name        kind              caption                 left   top   width height tab font          background         text / outline
  {"Command1", K::PictureButton, "&New",                   6120,  180, 1275,  825,  0, F::Default,  DefaultColour,     DefaultColour},
  {"Command2", K::Button,        "Command2",               8700, 5400, 1065,  405,  1, F::Default,  DefaultColour,     DefaultColour, false},
  {"Command3", K::PictureButton, "&Open",                  7440,  180, 1275,  825,  2, F::Default,  DefaultColour,     DefaultColour},
  {"Command4", K::PictureButton, "&Save",                  8760,  180, 1275,  825,  3, F::Default,  DefaultColour,     DefaultColour},
  {"Text1",    K::LineEditor,    "",                       5520, 1140, 4515,  315,  4, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 1"},
  {"Text2",    K::LineEditor,    "",                       5520, 1440, 4515,  315,  5, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 2"},
  {"Text3",    K::LineEditor,    "",                       5520, 1740, 4515,  315,  6, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 3"},
  {"Text4",    K::LineEditor,    "",                       5520, 2040, 4515,  315,  7, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 4"},
  {"Text5",    K::LineEditor,    "",                       5520, 2340, 4515,  315,  8, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 5"},
  {"Text6",    K::LineEditor,    "",                       5520, 2640, 4515,  315,  9, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 6"},
  {"Text7",    K::LineEditor,    "",                       5520, 2940, 4515,  315, 10, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 7"},
  {"Text8",    K::LineEditor,    "",                       5520, 3240, 4515,  315, 11, F::Courier,  SystemColour(14),  SystemColour(7), true, true, false, 36, false, "Line 8"},
  {"Option1",  K::OptionButton,  "Use White Text",         6360, 3600, 1695,  315, 12, F::SansBold, kPictureGround,    SystemColour(14), true, true, true},
  {"Option2",  K::OptionButton,  "Use Yellow Text",        8220, 3600, 1815,  315, 13, F::SansBold, kPictureGround,    Rgb(255, 255, 0)},
  {"Label4",   K::Label,         "Preview Window",         5520, 4020, 2115,  195, -1, F::SansBold, DefaultColour,     SystemColour(14)},
  {"Shape1",   K::Shape,         "",                       5520, 4260, 4515, 1995, -1, F::Default,  DefaultColour,     SystemColour(13)},
  {"Text14",   K::MultiLineBox,  "",                       5580, 4320, 4395, 1875, 19, F::Fixedsys, SystemColour(7),   Rgb(255, 255, 255), true, true, false, 0, true, "Preview"},
  {"Command5", K::Button,        "Update Preview",         5640, 6240, 1755,  375, 20, F::Default,  DefaultColour,     DefaultColour, false, false},
  {"Check1",   K::CheckBox,      "Auto Preview",           7380, 6240, 1575,  195, 21, F::SansBold, kPictureGround,    SystemColour(14), false, true, true, 0, false, nullptr, true},
  {"Command6", K::Button,        "E&xit",                  3540, 5340, 1455,  915, 22, F::Default,  DefaultColour,     DefaultColour},
  {"Label1",   K::Label,         "Autoexec Stuff",          420, 3360, 1275,  195, -1, F::SansBold, DefaultColour,     SystemColour(14)},
  {"Shape2",   K::Shape,         "",                        420, 3540, 4515, 1635, -1, F::Default,  DefaultColour,     SystemColour(13)},
  {"Label2",   K::Label,         "Location of autoexec.cfg file", 540, 3960, 2010, 195, -1, F::Default, DefaultColour, Rgb(192, 192, 0)},
  {"Text15",   K::LineEditor,    "c:\\program files\\Vellmar\\main", 540, 4200, 2475, 285, 25, F::Default, DefaultColour, DefaultColour, true, true, false, 0, true, "Location of autoexec.cfg file"},
  {"Check2",   K::CheckBox,      "Add bind to autoexec for me after saving", 540, 3600, 3915, 315, 26, F::SansBold, kPictureGround, SystemColour(20)},
  {"Label3",   K::Label,         "Bind it to this key -",   540, 4740, 1620,  195, -1, F::SansBold, DefaultColour,     SystemColour(14)},
  {"Combo1",   K::ComboBox,      "Choose your key",        2220, 4680, 1995,  315, 28, F::Default,  DefaultColour,     DefaultColour, true, true, false, 0, false, "Bind it to this key -"},
  {"Command7", K::Button,        "...",                    3120, 4200,  375,  315, 29, F::SansBold, DefaultColour,     DefaultColour},
  {"Command8", K::Button,        "View Readme!",           1980, 5340, 1455,  915, 32, F::Default,  DefaultColour,     DefaultColour},
  {"Command9", K::Button,        "Spacing Fixer",           420, 5340, 1455,  915, 33, F::Default,  DefaultColour,     DefaultColour},
};
// clang-format on

}  // namespace

std::span<const ControlRow> MainWindowControls() {
  return kMainWindow;
}

std::optional<int> LineAfterArrow(int line, LineArrow arrow) {
  const int target = arrow == LineArrow::Down ? line + 1 : line - 1;
  if (target < 1 || target > LineCount) return std::nullopt;
  return target;
}

}  // namespace vbe

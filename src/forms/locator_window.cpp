#include "forms/locator_window.h"

namespace vbe {
namespace {

using K = ControlKind;
using F = FontName;

// clang-format off
constexpr ControlRow kLocatorWindow[] = {
  // name        kind           caption                                                                  left   top  width height tab font         background     text
  {"Label2",   K::Label,      "The autoexec.cfg file will be located in your Vellmar\\main folder ..",  180,   60, 3435,  435, -1, F::Default, DefaultColour, DefaultColour},
  {"Label1",   K::Label,      "Drive",                                                                  120,  720,  495,  255, -1, F::Default, DefaultColour, DefaultColour},
  {"Drive1",   K::DriveList,  "",                                                                       600,  660, 3015,  315,  0, F::Default, DefaultColour, DefaultColour, true, true, false, 0, false, "Drive"},
  {"Dir1",     K::FolderList, "",                                                                       120, 1020, 3495, 2115,  4, F::Default, DefaultColour, DefaultColour, true, true, false, 0, false, "Folders"},
  {"Command1", K::Button,     "&Ok",                                                                    780, 3240, 1395,  435,  2, F::Default, DefaultColour, DefaultColour},
  {"Command2", K::Button,     "&Cancel",                                                               2280, 3240, 1395,  435,  3, F::Default, DefaultColour, DefaultColour},
};
// clang-format on

}  // namespace

std::span<const ControlRow> LocatorWindowControls() {
  return kLocatorWindow;
}

}  // namespace vbe

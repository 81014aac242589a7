#include "forms/locator_window.h"

namespace vbe {
namespace {

using C = LocatorCommand;

// clang-format off
constexpr ControlRow kLocatorWindow[] = {
  Label({.name = "Label2", .caption = "The autoexec.cfg file will be located in your Vellmar\\main folder ..", .place = {180, 60, 3435, 435}}),
  Label({.name = "Label1", .caption = "Drive", .place = {120, 720, 495, 255}}),
  DriveList({.name = "Drive1", .place = {600, 660, 3015, 315}, .tab = 0, .spoken_name = "Drive", .command = C::ChangeDrive}),
  FolderList({.name = "Dir1", .place = {120, 1020, 3495, 2115}, .tab = 4, .spoken_name = "Folders", .command = C::OpenFolder}),
  Button({.name = "Command1", .caption = "&Ok", .place = {780, 3240, 1395, 435}, .tab = 2, .command = C::Ok}),
  Button({.name = "Command2", .caption = "&Cancel", .place = {2280, 3240, 1395, 435}, .tab = 3, .command = C::Cancel}),
};
// clang-format on

}  // namespace

std::span<const ControlRow> LocatorWindowControls() {
  return kLocatorWindow;
}

}  // namespace vbe

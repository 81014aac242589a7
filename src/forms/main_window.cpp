#include "forms/main_window.h"

namespace vbe {
namespace {

using C = MainCommand;
using F = FontName;

constexpr ControlRow BindLine(int line, const char* name, const char* spoken_name, int top,
                              int tab) {
  return LineEditor({.name = name,
                     .place = {5520, top, 4515, 315},
                     .tab = tab,
                     .font = F::Courier,
                     .background = SystemColour(14),
                     .text_colour = SystemColour(7),
                     .max_length = 36,
                     .spoken_name = spoken_name,
                     .line = line});
}

// clang-format off
constexpr ControlRow kMainWindow[] = {
  PictureButton({.name = "Command1", .caption = "&New",  .picture = "new",  .place = {6120, 180, 1275, 825}, .tab = 0, .command = C::NewBind}),
  Button({.name = "Command2", .caption = "Command2", .place = {8700, 5400, 1065, 405}, .tab = 1, .command = C::StopCue, .visible = false}),
  PictureButton({.name = "Command3", .caption = "&Open", .picture = "open", .place = {7440, 180, 1275, 825}, .tab = 2, .command = C::OpenBind}),
  PictureButton({.name = "Command4", .caption = "&Save", .picture = "save", .place = {8760, 180, 1275, 825}, .tab = 3, .command = C::SaveBind}),
  BindLine(1, "Text1", "Line 1", 1140, 4),
  BindLine(2, "Text2", "Line 2", 1440, 5),
  BindLine(3, "Text3", "Line 3", 1740, 6),
  BindLine(4, "Text4", "Line 4", 2040, 7),
  BindLine(5, "Text5", "Line 5", 2340, 8),
  BindLine(6, "Text6", "Line 6", 2640, 9),
  BindLine(7, "Text7", "Line 7", 2940, 10),
  BindLine(8, "Text8", "Line 8", 3240, 11),
  OptionButton({.name = "Option1", .caption = "Use White Text",  .place = {6360, 3600, 1695, 315}, .tab = 12, .command = C::UseWhite,  .font = F::SansBold, .background = PictureGround, .text_colour = SystemColour(14), .checked = true}),
  OptionButton({.name = "Option2", .caption = "Use Yellow Text", .place = {8220, 3600, 1815, 315}, .tab = 13, .command = C::UseYellow, .font = F::SansBold, .background = PictureGround, .text_colour = Rgb(255, 255, 0)}),
  Label({.name = "Label4", .caption = "Preview Window", .place = {5520, 4020, 2115, 195}, .font = F::SansBold, .text_colour = SystemColour(14)}),
  Shape({.name = "Shape1", .place = {5520, 4260, 4515, 1995}, .outline = SystemColour(13)}),
  MultiLineBox({.name = "Text14", .place = {5580, 4320, 4395, 1875}, .tab = 19, .font = F::Fixedsys, .background = SystemColour(7), .text_colour = Rgb(255, 255, 255), .locked = true, .spoken_name = "Preview"}),
  Button({.name = "Command5", .caption = "Update Preview", .place = {5640, 6240, 1755, 375}, .tab = 20, .command = C::UpdatePreview, .visible = false, .enabled = false}),
  CheckBox({.name = "Check1", .caption = "Auto Preview", .place = {7380, 6240, 1575, 195}, .tab = 21, .command = C::AutoPreview, .font = F::SansBold, .background = PictureGround, .text_colour = SystemColour(14), .checked = true, .visible = false, .three_state = true}),
  Button({.name = "Command6", .caption = "E&xit", .place = {3540, 5340, 1455, 915}, .tab = 22, .command = C::Exit}),
  Label({.name = "Label1", .caption = "Autoexec Stuff", .place = {420, 3360, 1275, 195}, .font = F::SansBold, .text_colour = SystemColour(14)}),
  Shape({.name = "Shape2", .place = {420, 3540, 4515, 1635}, .outline = SystemColour(13)}),
  Label({.name = "Label2", .caption = "Location of autoexec.cfg file", .place = {540, 3960, 2475, 195}, .text_colour = Rgb(192, 192, 0)}),
  LineEditor({.name = "Text15", .text = "c:\\program files\\Vellmar\\main", .place = {540, 4200, 2475, 285}, .tab = 25, .locked = true, .spoken_name = "Location of autoexec.cfg file"}),
  CheckBox({.name = "Check2", .caption = "Add bind to autoexec for me after saving", .place = {540, 3600, 3915, 315}, .tab = 26, .font = F::SansBold, .background = PictureGround, .text_colour = SystemColour(20)}),
  Label({.name = "Label3", .caption = "Bind it to this key -", .place = {540, 4740, 1620, 195}, .font = F::SansBold, .text_colour = SystemColour(14)}),
  ComboBox({.name = "Combo1", .text = "Choose your key", .place = {2220, 4680, 1995, 315}, .tab = 28, .spoken_name = "Bind it to this key -"}),
  Button({.name = "Command7", .caption = "...", .place = {3120, 4200, 375, 315}, .tab = 29, .command = C::Locate, .font = F::SansBold, .spoken_name = "Locate the folder of autoexec.cfg"}),
  Button({.name = "Command8", .caption = "View Readme!", .place = {1980, 5340, 1455, 915}, .tab = 32, .command = C::ReadMe}),
  Button({.name = "Command9", .caption = "Spacing Fixer", .place = {420, 5340, 1455, 915}, .tab = 33, .command = C::SpacingFixer}),
};
// clang-format on

}  // namespace

std::span<const ControlRow> MainWindowControls() {
  return kMainWindow;
}

}  // namespace vbe

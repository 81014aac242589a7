#pragma once

#include <span>

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

// Form1, the main window: every control, its place, its initial state and its command.
std::span<const ControlRow> MainWindowControls();

// The main window's controls by role: their names in its table. The line editors are the rows
// with a line number.
inline constexpr const char* kNewButton = "Command1";
inline constexpr const char* kStopCueButton = "Command2";
inline constexpr const char* kOpenButton = "Command3";
inline constexpr const char* kSaveButton = "Command4";
inline constexpr const char* kUpdatePreviewButton = "Command5";
inline constexpr const char* kExitButton = "Command6";
inline constexpr const char* kLocateButton = "Command7";
inline constexpr const char* kReadMeButton = "Command8";
inline constexpr const char* kSpacingFixerButton = "Command9";
inline constexpr const char* kWhiteOption = "Option1";
inline constexpr const char* kYellowOption = "Option2";
inline constexpr const char* kAutoPreviewCheck = "Check1";
inline constexpr const char* kAutoexecCheck = "Check2";
inline constexpr const char* kPreviewBox = "Text14";
inline constexpr const char* kAutoexecFolderBox = "Text15";
inline constexpr const char* kKeyChooser = "Combo1";

}  // namespace vbe

#pragma once

#include <span>

#include "forms/layout.h"

namespace vbe {

inline constexpr const char* LocatorTitle = "Locate Autoexec file";
inline constexpr int LocatorClientWidth = 3780;
inline constexpr int LocatorClientHeight = 3750;

// Form2, the locator window: the drive list Drive1, the folder list Dir1, "&Ok" and "&Cancel".
// Neither button answers Enter or Escape; the focus starts in the drive list.
std::span<const ControlRow> LocatorWindowControls();

// The locator's lists by role: their names in its table.
inline constexpr const char* kDriveList = "Drive1";
inline constexpr const char* kFolderList = "Dir1";

}  // namespace vbe

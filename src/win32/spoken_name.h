#pragma once

#include <windows.h>

#include <string>

namespace vbe {

// Gives a push button the name a screen reader speaks in place of its caption ("..." says
// nothing of what the button does). A screen reader names a box by the label before it, but a
// button only by its own text: the button answers the reader with the system's own accessible
// object for it, renamed.
void GiveSpokenName(HWND button, std::wstring name);

}  // namespace vbe

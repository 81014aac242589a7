#pragma once

#include <array>
#include <string_view>

#include "core/bind_document.h"

namespace vbe {

// The key names of the Vellmar console that a bind can be bound to, in the order the key
// chooser offers them. The chooser starts with KeyPrompt, which is not a key. A typed name that
// is not here is still accepted as a key: the game is the judge of its own key names.
inline constexpr std::array<std::string_view, 76> KeyCatalogue = {
    // 1 to 26: the letters
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s",
    "t", "u", "v", "w", "x", "y", "z",
    // 27 to 36: punctuation, the backslash first
    "\\", ",", ".", "/", "'", "#", "[", "]", "=", "-",
    // 37 to 43: editing and navigation
    "INS", "HOME", "PG_UP", "PG_DN", "DEL", "END", "PAUSE",
    // 44 to 54: named keys, arrows and modifiers
    "SEMICOLON", "BACKSPACE", "UPARROW", "DOWNARROW", "LEFTARROW", "RIGHTARROW", "SPACE", "SHIFT",
    "CTRL", "ALT", "TAB",
    // 55 to 70: the keypad; its star is the bare character
    "KP_SLASH", "*", "KP_MINUS", "KP_PLUS", "KP_ENTER", "KP_HOME", "KP_PGUP", "KP_PAGEDOWN",
    "KP_END", "KP_5", "KP_UPARROW", "KP_DOWNARROW", "KP_RIGHTARROW", "KP_LEFTARROW", "KP_INS",
    "KP_DEL",
    // 71 to 76: joystick buttons and the wheel, down before up
    "JOY1", "JOY2", "JOY3", "JOY4", "MWHEELDOWN", "MWHEELUP"};

}  // namespace vbe

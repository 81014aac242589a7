#pragma once

#include <windows.h>

#include <functional>

namespace vbe {

// Makes an EDIT control (or a combo box's edit) a line editor of the bind: typed and pasted
// text keeps only what the code page can carry, tab, and no other control character; an
// ellipsis becomes the black square. A paste keeps its first characters that fit the control's
// length limit. `on_key_down`, when given, sees every key press before the control does; the
// key is never swallowed.
void MakeLineEditor(HWND edit, std::function<void(WPARAM key)> on_key_down = {});

// Makes a control hand Return to `on_return` instead of to the dialog keys.
void TakeReturnKey(HWND control, std::function<void()> on_return);

// Lets Tab leave a multi-line box, which would otherwise keep it: the preview box is read-only
// and holds no tabs.
void LetTabLeave(HWND box);

}  // namespace vbe

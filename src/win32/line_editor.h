#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vbe {

// Makes an EDIT control (or a combo box's edit) a line editor of the bind, whose text is only
// what the line filter (app/text_filter.h) lets in, however it arrives, and no longer than the
// control's length limit, which the filter takes over. A typed character and
// a paste (Ctrl+V, Shift+Insert, the context menu's Paste: WM_PASTE) and text a program sets or
// inserts are filtered before the control takes them: a paste keeps its first characters that
// fit. Anything else the control inserts by itself (an input method's composition) is filtered
// when the control reports the change (TakeLineChange). `on_key_down`, when given, sees every key
// press before the control does; the key is never swallowed.
void MakeLineEditor(HWND edit, std::function<void(WPARAM key)> on_key_down = {});

// A line editor's answer to its change notification (EN_CHANGE, or CBN_EDITCHANGE for a combo
// box's edit): what the control took that the filter refuses is taken out again, with the
// caret after what was kept, and the control's one step of undo still leads back to the text
// before the edit. False for the change that this itself causes, which is no edit of the user.
bool TakeLineChange(HWND edit);

// Hands text holding a line break that is pasted into the line editor `edit` (Ctrl+V,
// Shift+Insert, the context menu's Paste) to `paste_rows` instead of the filter, with the
// control's selection (or caret) where it would have gone.
void RoutePastedRows(HWND edit, std::function<void(std::u16string_view text)> paste_rows);

// Calls `warn` whenever the line editor `edit` leaves out some of what the user typed, pasted
// or composed.
void WarnOfRefusals(HWND edit, std::function<void()> warn);

// Gives the read-only preview box "Copy bind": an item of its context menu (beside Copy and
// Select All) and Ctrl+C with nothing selected put `bind_text()` on the clipboard.
void GiveCopyBind(HWND box, std::function<std::u16string()> bind_text);

// Makes a control hand Return to `on_return` instead of to the dialog keys.
void TakeReturnKey(HWND control, std::function<void()> on_return);

// Lets Tab leave a multi-line box, which would otherwise keep it: the preview box is read-only
// and holds no tabs.
void LetTabLeave(HWND box);

}  // namespace vbe

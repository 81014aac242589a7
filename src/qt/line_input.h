#pragma once

#include <QString>
#include <cstddef>
#include <functional>

class QLineEdit;

namespace vbe {

// Lets text into `editor` (a line editor of the bind, or the key chooser's typing box) only
// through the line filter of app/text_filter.h, at most `max_length` characters in all: typing,
// Ctrl+V and Shift+Insert, the context menu's Paste, a middle-click, a drop of text and an
// input method each insert what the filter keeps of their text, as one ordinary edit, so the
// editor's undo history stays. Any other way text might take is refused whole, again keeping
// the history. Whenever the filter leaves out some of the text, the editor's inputRejected
// signal says so.
void FilterLineInput(QLineEdit* editor, std::size_t max_length);

// Hands pasted or dropped text that holds a line break to `paste_rows` instead of the filter,
// with the editor's selection (or caret) where it would have gone.
void RoutePastedRows(QLineEdit* editor, std::function<void(const QString&)> paste_rows);

}  // namespace vbe

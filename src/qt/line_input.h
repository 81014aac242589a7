#pragma once

#include <cstddef>

class QLineEdit;

namespace vbe {

// Lets text into `editor` (a line editor of the bind, or the key chooser's typing box) only
// through the line filter of app/text_filter.h, at most `max_length` characters in all: typing,
// Ctrl+V and Shift+Insert, the context menu's Paste, a middle-click, a drop of text and an
// input method each insert what the filter keeps of their text, as one ordinary edit, so the
// editor's undo history stays. Any other way text might take is refused whole, again keeping
// the history.
void FilterLineInput(QLineEdit* editor, std::size_t max_length);

}  // namespace vbe

// Text as the controls show it, and the one filter for everything that enters a line.
//
// The bind is Windows-1252 bytes; the controls of both front ends hold UTF-16 (QString and
// Windows' wchar_t alike). A byte becomes its character through our own table, the spacing mark
// (byte 0x85) showing as a black square. Whatever puts text into a line editor or the key
// chooser (typing, every kind of paste, a drop, an input method, a file being opened) goes
// through FilterLineText: it drops what the code page cannot carry and every control character
// but tab (CR, LF, NUL, DEL and the five bytes the code page leaves undefined, which show as C1
// controls), turns an ellipsis into the black square it is saved as, and keeps of what is
// inserted the first characters that fit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vbe {

// The black square that stands for the spacing mark (byte 0x85) in the editors and the preview.
inline constexpr char16_t SpacingMarkShown = u'\u25A0';

// Bytes as the controls show them: byte for character, 0x85 as the black square.
std::u16string BindTextToUtf16(std::string_view bytes);

// The bytes of a control's text: the black square and the ellipsis both become 0x85, and "?"
// stands for a character the code page cannot carry (the filter lets none into a line).
std::string Utf16ToBindText(std::u16string_view text);

// Whether a line may hold the character: one the code page carries, tab, but no other control
// character. A line holds no ellipsis: the filter turns it into the black square.
bool IsLineCharacter(char16_t c);

// No limit on a line's length.
inline constexpr std::size_t NoLengthLimit = std::u16string_view::npos;

// What a line keeps of `inserted`: the characters IsLineCharacter takes, each ellipsis as the
// black square, and of those the first `room` ones.
std::u16string FilterLineText(std::u16string_view inserted, std::size_t room = NoLengthLimit);

// What FilterLineText keeps of an insertion, and whether it left out any of it (a character the
// line may not hold, or one beyond the room): a refusal the user is warned of.
struct KeptInsertion {
  std::u16string text;
  bool refused;
};
KeptInsertion FilterInsertion(std::u16string_view inserted, std::size_t room = NoLengthLimit);

// The room an insertion has in a line of `length` characters with `selected` of them selected
// (the insertion replaces them), when the line holds at most `max_length`.
std::size_t RoomLeft(std::size_t length, std::size_t selected, std::size_t max_length);

struct FilteredEdit {
  std::u16string text;
  std::size_t caret;
  bool changed;  // whether `text` differs from the edited text
  bool refused;  // whether the filter left out some of what was inserted
};

// For a control that has already taken an edit (a Windows EDIT control on EN_UPDATE): `before`
// is the text before it, `after` the text after it with the caret at `caret`, just past what was
// inserted. The inserted characters are filtered as FilterLineText does, with the room the text
// kept around them leaves; the answer is the text the control should hold and the caret's place.
// A deletion, or an insertion the filter keeps whole, comes back unchanged. The control's own
// length limit must not cut an insertion before it is filtered: give it none, or room beyond
// `max_length`, and let this keep the line within `max_length`.
FilteredEdit FilterEdit(std::u16string_view before, std::u16string_view after, std::size_t caret,
                        std::size_t max_length = NoLengthLimit);

}  // namespace vbe

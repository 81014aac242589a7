#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vbe {

// The black square that stands for the spacing mark (byte 0x85) in the editors and the preview.
inline constexpr wchar_t SpacingMarkShown = L'\u25A0';

// Bytes of the code page as the controls show them: byte for character through our own
// Windows-1252 table (never the system's code page), 0x85 as the black square.
std::wstring BindTextToWide(std::string_view bytes);

// The bytes of a control's text: the black square and the ellipsis both become 0x85, and "?"
// stands for a character the code page cannot carry (the line editors let none in).
std::string WideToBindTextLossy(std::wstring_view text);

// What a line editor keeps of typed or pasted text: characters the code page can carry, tab,
// and no other control character; an ellipsis becomes the black square it is saved as.
std::wstring KeepLineCharacters(std::wstring_view text);

// UTF-8 message texts for the system's dialogs, and back.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view text);

}  // namespace vbe

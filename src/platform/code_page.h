// What the host gives the editor: the Windows-1252 code page, the drive table that maps the
// game's Windows paths to host files, and whole-file reading, atomic replacing and appending.
//
// The editor holds every text as Windows-1252 bytes, one byte a character, exactly as the game's
// files hold them. Host file names are UTF-8; this unit converts between the two.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vbe {

// The Unicode character of one Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number, as Windows
// does, so every byte has a character and comes back unchanged.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a Unicode character, or nothing when the code page cannot carry it.
std::optional<unsigned char> UnicodeToCp1252(char32_t character);

std::string Cp1252ToUtf8(std::string_view bytes);

// Nothing when the text is not valid UTF-8 or holds a character outside the code page.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// Decodes UTF-8 into characters; nothing when the text is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view utf8);

// Lower case for comparing file names without regard to case, as Windows does for the letters
// of the code page.
char32_t FoldCase(char32_t character);

}  // namespace vbe

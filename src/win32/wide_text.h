#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/text_filter.h"

namespace vbe {

// Windows' wchar_t is UTF-16, as the behaviour's text is: the two convert unit for unit.
inline std::wstring Wide(std::u16string_view text) {
  return {text.begin(), text.end()};
}

// Bytes of the code page as the controls show them (text_filter.h).
inline std::wstring BindTextToWide(std::string_view bytes) {
  return Wide(BindTextToUtf16(bytes));
}

// A window's or control's text, and setting it.
std::u16string WindowText16(HWND window);
void SetWindowText16(HWND window, std::u16string_view text);

// UTF-8 message texts for the system's dialogs, and back.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view text);

}  // namespace vbe

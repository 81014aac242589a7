#include "win32/wide_text.h"

#include <windows.h>

#include <optional>

#include "platform/code_page.h"

namespace vbe {
namespace {

constexpr unsigned char kSpacingMarkByte = 0x85;
constexpr wchar_t kEllipsis = L'\u2026';

bool IsSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

std::optional<unsigned char> ByteOf(wchar_t c) {
  if (IsSurrogate(c)) return std::nullopt;
  if (c == SpacingMarkShown || c == kEllipsis) return kSpacingMarkByte;
  return UnicodeToCp1252(static_cast<char32_t>(c));
}

}  // namespace

std::wstring BindTextToWide(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    text +=
        byte == kSpacingMarkByte ? SpacingMarkShown : static_cast<wchar_t>(Cp1252ToUnicode(byte));
  }
  return text;
}

std::string WideToBindTextLossy(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t c : text) bytes += static_cast<char>(ByteOf(c).value_or('?'));
  return bytes;
}

std::wstring KeepLineCharacters(std::wstring_view text) {
  std::wstring kept;
  kept.reserve(text.size());
  for (wchar_t c : text) {
    if (!ByteOf(c) || (c < 0x20 && c != L'\t')) continue;
    kept += c == kEllipsis ? SpacingMarkShown : c;
  }
  return kept;
}

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
  return text;
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace vbe

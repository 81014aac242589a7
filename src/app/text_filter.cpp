#include "app/text_filter.h"

#include <algorithm>
#include <optional>

#include "core/spacing_fixer.h"
#include "platform/code_page.h"

namespace vbe {
namespace {

constexpr char16_t kEllipsis = u'\u2026';
constexpr auto kSpacingMarkByte = static_cast<unsigned char>(SpacingMark);

std::optional<unsigned char> ByteOf(char16_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;  // half of a character beyond the BMP
  if (c == SpacingMarkShown || c == kEllipsis) return kSpacingMarkByte;
  return UnicodeToCp1252(c);
}

}  // namespace

std::u16string BindTextToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    text +=
        byte == kSpacingMarkByte ? SpacingMarkShown : static_cast<char16_t>(Cp1252ToUnicode(byte));
  }
  return text;
}

std::string Utf16ToBindText(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) bytes += static_cast<char>(ByteOf(c).value_or('?'));
  return bytes;
}

bool IsLineCharacter(char16_t c) {
  if (c == u'\t') return true;
  // C0, DEL and C1: the five bytes the code page leaves undefined show as C1 controls.
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == kEllipsis) return false;
  return ByteOf(c).has_value();
}

std::u16string FilterLineText(std::u16string_view inserted, std::size_t room) {
  std::u16string kept;
  kept.reserve(std::min(inserted.size(), room));
  for (char16_t c : inserted) {
    if (kept.size() >= room) break;
    if (c == kEllipsis) {
      kept += SpacingMarkShown;
    } else if (IsLineCharacter(c)) {
      kept += c;
    }
  }
  return kept;
}

// Each character kept is one inserted (an ellipsis becomes one black square), so a shorter text
// lost some.
KeptInsertion FilterInsertion(std::u16string_view inserted, std::size_t room) {
  std::u16string kept = FilterLineText(inserted, room);
  const bool refused = kept.size() < inserted.size();
  return {std::move(kept), refused};
}

std::size_t RoomLeft(std::size_t length, std::size_t selected, std::size_t max_length) {
  if (max_length == NoLengthLimit) return NoLengthLimit;
  const std::size_t stays = length - std::min(selected, length);
  return max_length > stays ? max_length - stays : 0;
}

FilteredEdit FilterEdit(std::u16string_view before, std::u16string_view after, std::size_t caret,
                        std::size_t max_length) {
  caret = std::min(caret, after.size());
  // The edit replaced a stretch of `before` with after[head, caret): what follows the caret is
  // the end of the earlier text, and the head is what both texts share before the caret.
  std::size_t tail = after.size() - caret;
  if (tail > before.size() || before.substr(before.size() - tail) != after.substr(caret)) {
    tail = 0;  // not an insertion before the caret: the whole text counts as inserted
    caret = after.size();
  }
  std::size_t head = 0;
  const std::size_t head_limit = std::min(caret, before.size() - tail);
  while (head < head_limit && before[head] == after[head]) ++head;

  const std::u16string_view inserted = after.substr(head, caret - head);
  const std::size_t room = RoomLeft(head + tail, 0, max_length);
  const std::u16string kept = FilterLineText(inserted, room);
  const bool refused = kept.size() < inserted.size();
  if (kept == inserted) return {std::u16string(after), caret, false, false};
  std::u16string text(after.substr(0, head));
  text += kept;
  text += after.substr(caret);
  return {std::move(text), head + kept.size(), true, refused};
}

}  // namespace vbe

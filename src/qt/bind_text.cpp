#include "qt/bind_text.h"

#include <algorithm>

#include "platform/code_page.h"

namespace vbe {
namespace {

constexpr unsigned char kSpacingMarkByte = 0x85;
constexpr char16_t kEllipsis = u'\u2026';

std::optional<unsigned char> ByteOf(QChar c) {
  if (c.isSurrogate()) return std::nullopt;
  if (c == SpacingMarkShown || c == kEllipsis) return kSpacingMarkByte;
  return UnicodeToCp1252(c.unicode());
}

}  // namespace

QString BindTextToQString(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    text += byte == kSpacingMarkByte ? QChar(SpacingMarkShown)
                                     : QChar(static_cast<char16_t>(Cp1252ToUnicode(byte)));
  }
  return text;
}

std::string QStringToBindTextLossy(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) bytes += static_cast<char>(ByteOf(c).value_or('?'));
  return bytes;
}

QString MessageTextToQString(std::string_view bytes) {
  QString text = BindTextToQString(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

QValidator::State LineCharacterFilter::validate(QString& input, int& position) const {
  QString kept;
  kept.reserve(input.size());
  int new_position = position;
  for (qsizetype i = 0; i < input.size(); ++i) {
    const QChar c = input[i];
    if (!ByteOf(c) || (c.unicode() < 0x20 && c != u'\t')) {
      if (i < position) --new_position;
      continue;
    }
    kept += c == kEllipsis ? QChar(SpacingMarkShown) : c;
  }
  if (max_length_ > 0 && kept.size() > max_length_) {
    // The edit put new text before the caret; what follows the caret is the earlier text's end.
    const QString& before = accepted_;
    qsizetype tail = kept.size() - new_position;
    if (tail > before.size() || !kept.endsWith(QStringView(before).right(tail))) tail = 0;
    qsizetype head = 0;
    while (head < new_position && head < before.size() - tail && kept[head] == before[head]) {
      ++head;
    }
    // Cut the new text's last characters, then, should that not do, the line's end.
    const qsizetype excess = kept.size() - max_length_;
    const qsizetype cut = std::min<qsizetype>(excess, new_position - head);
    kept.remove(new_position - cut, cut);
    new_position -= static_cast<int>(cut);
    kept.truncate(max_length_);
    new_position = std::min(new_position, static_cast<int>(kept.size()));
  }
  input = kept;
  position = new_position;
  accepted_ = kept;
  return Acceptable;
}

QString HostPathToQString(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(u8.data()),
                           static_cast<qsizetype>(u8.size()));
}

std::filesystem::path QStringToHostPath(const QString& path) {
  const QByteArray utf8 = path.toUtf8();
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace vbe

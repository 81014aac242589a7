#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace vbe {

// The app layer's UTF-16 text as Qt holds it, and back.
inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::u16string ToUtf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Bytes of the code page as the widgets show them (app/text_filter.h).
QString BindTextToQString(std::string_view bytes);

// A text whose rows are joined by CR LF, with each row on a line of its own for a Qt widget.
QString RowsToQString(std::u16string_view text);

// A host file name as Qt shows it, and back.
QString HostPathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToHostPath(const QString& path);

}  // namespace vbe

#include "qt/bind_text.h"

#include "app/text_filter.h"

namespace vbe {

QString BindTextToQString(std::string_view bytes) {
  return ToQString(BindTextToUtf16(bytes));
}

QString RowsToQString(std::u16string_view text) {
  return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

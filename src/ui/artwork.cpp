#include "ui/artwork.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace vbe {

QImage LoadArtwork(const QString& name) {
  QFile file(":/vbe/" + name + ".vbei");
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  constexpr qsizetype kHeader = 12;
  if (bytes.size() < kHeader || !bytes.startsWith("VBEI")) return {};
  const quint32 width = qFromLittleEndian<quint32>(bytes.constData() + 4);
  const quint32 height = qFromLittleEndian<quint32>(bytes.constData() + 8);
  if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
      bytes.size() != kHeader + qsizetype(width) * qsizetype(height) * 4) {
    return {};
  }
  QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
  const char* pixels = bytes.constData() + kHeader;
  for (int y = 0; y < int(height); ++y) {
    auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
    for (quint32 x = 0; x < width; ++x) {
      row[x] = qFromLittleEndian<quint32>(pixels + (qsizetype(y) * width + x) * 4);
    }
  }
  return image;
}

}  // namespace vbe

#include "ui/artwork.h"

#include <QPixmap>
#include <QResource>
#include <QSysInfo>
#include <QtEndian>

namespace vbe {

QImage LoadArtwork(const QString& name) {
  // The resources are stored uncompressed, so their bytes are read in place.
  const QResource resource(":/vbe/" + name + ".vbei");
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
    return {};
  }
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                   qsizetype(resource.size()));
  constexpr qsizetype kHeader = 12;
  if (bytes.size() < kHeader || !bytes.startsWith("VBEI")) return {};
  const quint32 width = qFromLittleEndian<quint32>(bytes.constData() + 4);
  const quint32 height = qFromLittleEndian<quint32>(bytes.constData() + 8);
  if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
      bytes.size() != kHeader + qsizetype(width) * qsizetype(height) * 4) {
    return {};
  }
  const char* pixels = bytes.constData() + kHeader;
  if (QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
      reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0) {
    // The pixels are already in memory order, in resource data that lives as long as the
    // program: the picture is drawn from there, without a copy.
    return QImage(reinterpret_cast<const uchar*>(pixels), int(width), int(height),
                  qsizetype(width) * 4, QImage::Format_ARGB32_Premultiplied);
  }
  QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < int(height); ++y) {
    auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
    for (quint32 x = 0; x < width; ++x) {
      row[x] = qFromLittleEndian<quint32>(pixels + (qsizetype(y) * width + x) * 4);
    }
  }
  return image;
}

QIcon ArtworkIcon(const QString& name) { return QIcon(QPixmap::fromImage(LoadArtwork(name))); }

}  // namespace vbe

#include "qt/artwork.h"

#include <QPixmap>

#include "forms/artwork.h"

namespace vbe {

QImage LoadArtwork(const QString& name, int scale) {
  const ArtworkPicture picture = Artwork(name.toStdString(), scale);
  if (!picture) return {};
  // The pixels live as long as the program: the picture is drawn from there, without a copy.
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, qsizetype(picture.width) * 4, QImage::Format_ARGB32_Premultiplied);
}

QIcon ArtworkIcon(const QString& name, int scale) {
  return QIcon(QPixmap::fromImage(LoadArtwork(name, scale)));
}

}  // namespace vbe

#include "qt/artwork.h"

#include <QPixmap>
#include <algorithm>

#include "forms/artwork.h"

namespace vbe {

QImage LoadArtwork(const QString& name, int scale) {
  const ArtworkPicture picture = Artwork(name.toStdString(), scale);
  if (!picture) return {};
  // The pixels live as long as the program: the picture is drawn from there, without a copy.
  if (!picture.paletted()) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, qsizetype(picture.width) * 4,
                  QImage::Format_ARGB32_Premultiplied);
  }
  // A paletted picture is turned into pixels once: drawn as it is stored, every paint of the
  // window would turn each row again.
  QImage image(picture.colour_numbers.data(), picture.width, picture.height, picture.stride,
               QImage::Format_Indexed8);
  QList<QRgb> colours(256, qRgb(0, 0, 0));
  std::copy(picture.colours.begin(), picture.colours.end(), colours.begin());
  image.setColorTable(colours);
  return image.convertToFormat(QImage::Format_RGB32);
}

QIcon ArtworkIcon(const QString& name, int scale) {
  return QIcon(QPixmap::fromImage(LoadArtwork(name, scale)));
}

}  // namespace vbe

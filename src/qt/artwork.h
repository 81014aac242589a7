#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace vbe {

// A picture of the editor's artwork ("background", "window", "new", "open", "save"), drawn from
// the undecoded pixels the program carries, so start-up spends no time on decoding. A null
// image for an unknown name.
// At `scale` 2 the picture twice as large, unpacked on first use (forms/artwork.h).
QImage LoadArtwork(const QString& name, int scale = 1);

// The same picture as an icon.
QIcon ArtworkIcon(const QString& name, int scale = 1);

}  // namespace vbe

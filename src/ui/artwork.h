#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace vbe {

// A picture of the editor's artwork from the resources ("background", "window", "new", "open",
// "save"). The pictures are stored undecoded (a "VBEI" tag, width and height as 32-bit
// little-endian numbers, premultiplied ARGB32 pixels), so start-up spends no time on decoding.
// A null image when the resource is missing or malformed.
QImage LoadArtwork(const QString& name);

// The same picture as an icon.
QIcon ArtworkIcon(const QString& name);

}  // namespace vbe

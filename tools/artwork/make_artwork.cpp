// Draws the background picture and the icons of the editor.
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <vector>

namespace {

const QColor kGround(8, 8, 24);
const QColor kYellow(255, 214, 64);
const QColor kBlue(70, 130, 230);

QImage NewImage(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath Bubble(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  QPainterPath tail;
  tail.moveTo(r.left() + r.width() * 0.22, r.bottom() - 1);
  tail.lineTo(r.left() + r.width() * 0.12, r.bottom() + r.height() * 0.32);
  tail.lineTo(r.left() + r.width() * 0.42, r.bottom() - 1);
  tail.closeSubpath();
  return path.united(tail);
}

// The pictures are drawn in the coordinates of their 1x size; `scale` 2 draws them at twice as
// many pixels for screens at 150 % and more.
QImage Background(int scale) {
  QImage image(700 * scale, 600 * scale, QImage::Format_RGB32);
  image.fill(kGround);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);

  // A faint glow behind the emblem and a few stars.
  QRadialGradient glow(QPointF(80, 95), 150);
  glow.setColorAt(0, QColor(40, 60, 130, 120));
  glow.setColorAt(1, QColor(8, 8, 24, 0));
  p.fillRect(QRect(0, 0, 360, 220), glow);
  QRandomGenerator stars(1852);
  for (int i = 0; i < 70; ++i) {
    const QPointF at(stars.bounded(360), stars.bounded(215));
    const int alpha = 60 + stars.bounded(150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 210, 255, alpha));
    p.drawEllipse(at, 0.8, 0.8);
  }

  // The emblem: a chat bubble holding eight rows of text art.
  const QRectF bubble(28, 34, 104, 96);
  QLinearGradient fill(bubble.topLeft(), bubble.bottomRight());
  fill.setColorAt(0, QColor(36, 58, 120));
  fill.setColorAt(1, QColor(14, 20, 52));
  p.setBrush(fill);
  p.setPen(QPen(kBlue, 2.5));
  p.drawPath(Bubble(bubble, 14));
  const int widths[8] = {62, 74, 48, 80, 80, 48, 74, 62};
  for (int row = 0; row < 8; ++row) {
    const qreal y = bubble.top() + 14 + row * 9.5;
    const qreal w = widths[row];
    const qreal x = bubble.center().x() - w / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(row % 2 ? QColor(255, 255, 255, 220) : kYellow);
    p.drawRoundedRect(QRectF(x, y, w, 4.2), 2, 2);
  }

  // The title.
  QFont title("DejaVu Serif");
  title.setPixelSize(30);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(QPointF(152, 74), "Vellmar");
  p.setPen(kYellow);
  p.drawText(QPointF(150, 72), "Vellmar");
  QFont sub("DejaVu Sans");
  sub.setPixelSize(20);
  sub.setBold(true);
  p.setFont(sub);
  p.setPen(QColor(225, 232, 255));
  p.drawText(QPointF(151, 100), "Bind Editor");
  QFont tag("DejaVu Sans");
  tag.setPixelSize(11);
  tag.setItalic(true);
  p.setFont(tag);
  p.setPen(QColor(150, 165, 210));
  p.drawText(QPointF(152, 122), "eight lines, one key, the whole server");
  p.setPen(QPen(QColor(70, 110, 200, 170), 1));
  p.drawLine(QPointF(150, 134), QPointF(340, 134));
  return image;
}

QImage WindowIcon(int scale) {
  QImage image = NewImage(32 * scale, 32 * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  const QRectF bubble(2, 3, 28, 21);
  p.setBrush(QColor(30, 50, 110));
  p.setPen(QPen(kBlue, 1.6));
  p.drawPath(Bubble(bubble, 5));
  for (int row = 0; row < 4; ++row) {
    p.setPen(Qt::NoPen);
    p.setBrush(row % 2 ? QColor(255, 255, 255) : kYellow);
    const qreal w = row == 1 || row == 2 ? 18 : 14;
    p.drawRoundedRect(QRectF(16 - w / 2, 7 + row * 4, w, 2.2), 1, 1);
  }
  return image;
}

QImage NewIcon(int scale) {
  QImage image = NewImage(32 * scale, 32 * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QPainterPath page;
  page.moveTo(7, 3);
  page.lineTo(19, 3);
  page.lineTo(26, 10);
  page.lineTo(26, 29);
  page.lineTo(7, 29);
  page.closeSubpath();
  p.setBrush(QColor(250, 250, 245));
  p.setPen(QPen(QColor(90, 100, 130), 1.4));
  p.drawPath(page);
  p.setBrush(QColor(210, 215, 230));
  p.drawPolygon(QPolygonF({QPointF(19, 3), QPointF(19, 10), QPointF(26, 10)}));
  p.setPen(QPen(kYellow.darker(120), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(22, 18), QPointF(22, 26));
  p.drawLine(QPointF(18, 22), QPointF(26, 22));
  return image;
}

QImage OpenIcon(int scale) {
  QImage image = NewImage(32 * scale, 32 * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(QPen(QColor(140, 95, 10), 1.3));
  p.setBrush(QColor(226, 170, 40));
  QPainterPath back;
  back.moveTo(3, 8);
  back.lineTo(11, 8);
  back.lineTo(13, 11);
  back.lineTo(26, 11);
  back.lineTo(26, 26);
  back.lineTo(3, 26);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(QColor(250, 206, 80));
  p.drawPolygon(QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(26, 26), QPointF(3, 26)}));
  return image;
}

QImage SaveIcon(int scale) {
  QImage image = NewImage(32 * scale, 32 * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QPainterPath disk;
  disk.moveTo(4, 4);
  disk.lineTo(24, 4);
  disk.lineTo(28, 8);
  disk.lineTo(28, 28);
  disk.lineTo(4, 28);
  disk.closeSubpath();
  p.setBrush(QColor(45, 85, 170));
  p.setPen(QPen(QColor(20, 40, 90), 1.3));
  p.drawPath(disk);
  p.setBrush(QColor(235, 238, 245));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(9, 4.7, 13, 8));
  p.setBrush(QColor(45, 85, 170));
  p.drawRect(QRectF(17, 6, 3, 5));
  p.setBrush(QColor(250, 250, 250));
  p.drawRoundedRect(QRectF(8, 17, 16, 10), 1.5, 1.5);
  p.setPen(QPen(QColor(150, 160, 180), 1));
  p.drawLine(QPointF(10, 20.5), QPointF(22, 20.5));
  p.drawLine(QPointF(10, 23.5), QPointF(22, 23.5));
  return image;
}

}  // namespace

// The editor's start-up reads its pictures without decoding: a "VBEI" tag, the width and the
// height as 32-bit little-endian numbers, then the premultiplied ARGB32 pixels row by row.
bool SaveRaw(const QImage& picture, const QString& path) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("VBEI", 4);
  out << quint32(image.width()) << quint32(image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) out << row[x];
  }
  return out.status() == QDataStream::Ok;
}

// The 2x pictures are four times as large and only wanted on screens at 150 % and more, so
// they are stored packed, and unpacked when first drawn: the tag "VBEZ", the width and the
// height, then packets of pixels, each a count byte c followed by
//   c < 64:         c + 1 pixels as they are (32-bit little-endian each),
//   64 <= c < 128:  c - 63 copies of the pixel before,
//   c >= 128:       c - 127 pixels copied from the row above.
bool SavePacked(const QImage& picture, const QString& path) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int width = image.width();
  std::vector<quint32> pixels;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
    pixels.insert(pixels.end(), row, row + width);
  }
  QByteArray packed("VBEZ");
  const auto put32 = [&packed](quint32 value) {
    for (int shift = 0; shift < 32; shift += 8) packed.append(char((value >> shift) & 0xFF));
  };
  put32(quint32(width));
  put32(quint32(image.height()));
  const std::size_t count = pixels.size();
  std::size_t literal_start = 0, at = 0;
  const auto flush_literals = [&] {
    while (literal_start < at) {
      const std::size_t n = std::min<std::size_t>(64, at - literal_start);
      packed.append(char(n - 1));
      for (std::size_t i = 0; i < n; ++i) put32(pixels[literal_start + i]);
      literal_start += n;
    }
  };
  while (at < count) {
    std::size_t repeat = 0, above = 0;
    while (at > 0 && repeat < 64 && at + repeat < count && pixels[at + repeat] == pixels[at - 1])
      ++repeat;
    while (at >= std::size_t(width) && above < 128 && at + above < count &&
           pixels[at + above] == pixels[at + above - width])
      ++above;
    if (std::max(repeat, above) < 2) {  // a single match costs as much as the pixel itself
      ++at;
      continue;
    }
    flush_literals();
    if (above >= repeat) {
      packed.append(char(127 + above));
      at += above;
    } else {
      packed.append(char(63 + repeat));
      at += repeat;
    }
    literal_start = at;
  }
  flush_literals();
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(packed) == packed.size();
}

bool SaveBoth(const QImage& image, const QDir& out, const QString& name, int scale) {
  return image.save(out.filePath(name + ".png")) &&
         (scale == 1 ? SaveRaw(image, out.filePath(name + ".vbei"))
                     : SavePacked(image, out.filePath(name + ".vbez")));
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QDir out(argc > 1 ? argv[1] : ".");
  // The background picture is a plain dark field, 700 by 600, with the artwork in its top-left
  // corner; only that corner is stored, and the window fills the rest with the field's colour.
  bool ok = true;
  for (int scale : {1, 2}) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
    ok = ok &&
         SaveBoth(Background(scale).copy(0, 0, 360 * scale, 220 * scale), out,
                  "background" + suffix, scale) &&
         SaveBoth(NewIcon(scale), out, "new" + suffix, scale) &&
         SaveBoth(OpenIcon(scale), out, "open" + suffix, scale) &&
         SaveBoth(SaveIcon(scale), out, "save" + suffix, scale);
  }
  return ok && SaveBoth(WindowIcon(1), out, "window", 1) ? 0 : 1;
}

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
#include <QVector>
#include <algorithm>
#include <array>
#include <utility>
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

// The 256 colours that stand for an opaque picture's colours: the colours are split, box by
// box, at the middle of the box's widest channel, until there are 256 boxes, and each box gives
// the mean of its pixels.
QVector<QRgb> MedianCut(const QImage& image) {
  std::vector<QRgb> pixels;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    pixels.insert(pixels.end(), row, row + image.width());
  }
  using Box = std::pair<std::size_t, std::size_t>;  // [first, last) of `pixels`
  const auto channel = [](QRgb colour, int c) { return (colour >> (16 - 8 * c)) & 0xff; };
  const auto widest = [&](const Box& box) {
    int best = 0, best_range = -1;
    for (int c = 0; c < 3; ++c) {
      const auto [low, high] =
          std::minmax_element(pixels.begin() + box.first, pixels.begin() + box.second,
                              [&](QRgb a, QRgb b) { return channel(a, c) < channel(b, c); });
      const int range = int(channel(*high, c)) - int(channel(*low, c));
      if (range > best_range) best = c, best_range = range;
    }
    return std::pair(best, best_range);
  };
  std::vector<Box> boxes{{0, pixels.size()}};
  while (boxes.size() < 256) {
    std::size_t split = boxes.size();
    int split_range = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const int range = widest(boxes[i]).second;
      if (range > split_range) split = i, split_range = range;
    }
    if (split == boxes.size()) break;  // every box holds one colour
    const auto [first, last] = boxes[split];
    const int c = widest(boxes[split]).first;
    const std::size_t middle = first + (last - first) / 2;
    std::nth_element(pixels.begin() + first, pixels.begin() + middle, pixels.begin() + last,
                     [&](QRgb a, QRgb b) { return channel(a, c) < channel(b, c); });
    boxes[split] = {first, middle};
    boxes.push_back({middle, last});
  }
  QVector<QRgb> colours;
  for (const auto& [first, last] : boxes) {
    double sum[3] = {};
    for (std::size_t i = first; i < last; ++i) {
      for (int c = 0; c < 3; ++c) sum[c] += channel(pixels[i], c);
    }
    const double n = double(last - first);
    colours.push_back(qRgb(int(sum[0] / n + 0.5), int(sum[1] / n + 0.5), int(sum[2] / n + 0.5)));
  }
  return colours;
}

// A large opaque picture is kept as 256 colours and a byte a pixel, a quarter of its full size:
// the main window reads the whole picture on its first paint. The tag "VBEP", the width, the
// height and the number of colours as 32-bit little-endian numbers, the colours as ARGB32
// values, then the colour numbers row by row, each row padded to a multiple of 4 bytes.
bool SavePaletted(const QImage& picture, const QString& path) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const QVector<QRgb> colours = MedianCut(image);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("VBEP", 4);
  out << quint32(image.width()) << quint32(image.height()) << quint32(colours.size());
  for (QRgb colour : colours) out << quint32(colour | 0xff000000u);
  // Each pixel takes the nearest colour, and what it misses is spread over the pixels to its
  // right and below (Floyd and Steinberg), so the glow's smooth steps show no rings.
  const int stride = (image.width() + 3) & ~3;
  std::vector<std::array<float, 3>> error(std::size_t(image.width()) + 2), next(error.size());
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::fill(next.begin(), next.end(), std::array<float, 3>{});
    for (int x = 0; x < stride; ++x) {
      quint8 nearest = 0;
      if (x < image.width()) {
        float wanted[3];
        for (int c = 0; c < 3; ++c) {
          const int value = c == 0 ? qRed(row[x]) : c == 1 ? qGreen(row[x]) : qBlue(row[x]);
          wanted[c] =
              std::clamp(float(value) + error[std::size_t(x) + 1][std::size_t(c)], 0.0f, 255.0f);
        }
        const auto distance = [&](QRgb colour) {
          const float r = wanted[0] - float(qRed(colour)), g = wanted[1] - float(qGreen(colour)),
                      b = wanted[2] - float(qBlue(colour));
          return r * r + g * g + b * b;
        };
        for (int i = 1; i < colours.size(); ++i) {
          if (distance(colours[i]) < distance(colours[nearest])) nearest = quint8(i);
        }
        const QRgb chosen = colours[nearest];
        const float got[3] = {float(qRed(chosen)), float(qGreen(chosen)), float(qBlue(chosen))};
        for (std::size_t c = 0; c < 3; ++c) {
          const float missed = wanted[c] - got[c];
          const std::size_t at = std::size_t(x) + 1;
          error[at + 1][c] += missed * 7 / 16;
          next[at - 1][c] += missed * 3 / 16;
          next[at][c] += missed * 5 / 16;
          next[at + 1][c] += missed * 1 / 16;
        }
      }
      out << nearest;
    }
    std::swap(error, next);
  }
  return out.status() == QDataStream::Ok;
}

bool SaveBoth(const QImage& image, const QDir& out, const QString& name) {
  return image.save(out.filePath(name + ".png")) && SaveRaw(image, out.filePath(name + ".vbei"));
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QDir out(argc > 1 ? argv[1] : ".");
  // The background picture is a plain dark field, 700 by 600, with the artwork in its top-left
  // corner; only that corner is stored, and the window fills the rest with the field's colour.
  bool ok = true;
  for (int scale : {1, 2}) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
    const QImage background = Background(scale).copy(0, 0, 360 * scale, 220 * scale);
    ok = ok && background.save(out.filePath("background" + suffix + ".png")) &&
         SavePaletted(background, out.filePath("background" + suffix + ".vbei")) &&
         SaveBoth(NewIcon(scale), out, "new" + suffix) &&
         SaveBoth(OpenIcon(scale), out, "open" + suffix) &&
         SaveBoth(SaveIcon(scale), out, "save" + suffix);
  }
  return ok && SaveBoth(WindowIcon(1), out, "window") ? 0 : 1;
}

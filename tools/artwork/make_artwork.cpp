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

QImage Background() {
  QImage image(700, 600, QImage::Format_RGB32);
  image.fill(kGround);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

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

QImage WindowIcon() {
  QImage image = NewImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
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

QImage NewIcon() {
  QImage image = NewImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
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

QImage OpenIcon() {
  QImage image = NewImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
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

QImage SaveIcon() {
  QImage image = NewImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
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

bool SaveBoth(const QImage& image, const QDir& out, const QString& name) {
  return image.save(out.filePath(name + ".png")) && SaveRaw(image, out.filePath(name + ".vbei"));
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QDir out(argc > 1 ? argv[1] : ".");
  // The background picture is a plain dark field, 700 by 600, with the artwork in its top-left
  // corner; only that corner is stored, and the window fills the rest with the field's colour.
  const bool ok = SaveBoth(Background().copy(0, 0, 360, 220), out, "background") &&
                  SaveBoth(WindowIcon(), out, "window") && SaveBoth(NewIcon(), out, "new") &&
                  SaveBoth(OpenIcon(), out, "open") && SaveBoth(SaveIcon(), out, "save");
  return ok ? 0 : 1;
}

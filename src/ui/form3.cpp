#include "ui/form3.h"

#include <QFile>
#include <QIcon>
#include <QPlainTextEdit>
#include <QScreen>

#include "ui/accessible_window.h"
#include "ui/artwork.h"
#include "ui/bind_text.h"
#include "ui/control_table.h"

namespace vbe {
namespace {

constexpr int ReadMeClientWidth = 4680;
constexpr int ReadMeClientHeight = 3195;
constexpr int ReadMeHeightAllowance = 662;

constexpr ControlRow kText1{.name = "Text1",
                            .kind = ControlKind::MultiLineBox,
                            .caption = "",
                            .left = 0,
                            .top = 0,
                            .width = 4395,  // replaced by the load step
                            .height = 2355,
                            .tab = 0,
                            .font = FontName::Fixedsys,
                            .background = DefaultColour,
                            .text = DefaultColour,
                            .locked = true,
                            .spoken_name = "Read-me notes"};

}  // namespace

std::string ReadMeText() {
  QFile file(":/vbe/readme.txt");
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QSize ReadMeTextTwips(QSize screen_pixels) {
  return {screen_pixels.width() * TwipsPerPixel,
          screen_pixels.height() * TwipsPerPixel - ReadMeHeightAllowance};
}

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form3");
  ExposeAsWindow(this);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("ReadMe");
  setWindowIcon(ArtworkIcon("window"));
  resize(Pixels(ReadMeClientWidth), Pixels(ReadMeClientHeight));

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(kText1.name);
  text1_->setGeometry(PixelRect(kText1));
  text1_->setFont(LayoutFont(kText1.font));
  text1_->setAccessibleName(QString::fromLatin1(kText1.spoken_name));
  text1_->setReadOnly(kText1.locked);
  text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text1_->setPlainText(MessageTextToQString(ReadMeText()));
  text1_->setFocus();

  SizeReadMeText();
}

void Form3::SizeReadMeText() {
  const QSize twips = ReadMeTextTwips(screen()->geometry().size());
  load_size_ = QSize(Pixels(twips.width()), Pixels(twips.height()));
  FitReadMeText();
}

void Form3::FitReadMeText() {
  if (!text1_) return;
  text1_->resize(isMaximized() ? load_size_ : load_size_.boundedTo(size()));
}

void Form3::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitReadMeText();
}

void Form3::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) FitReadMeText();
}

}  // namespace vbe

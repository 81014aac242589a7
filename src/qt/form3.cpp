#include "qt/form3.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QScreen>

#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"
#include "forms/readme_window.h"
#include "qt/control_table.h"

namespace vbe {
Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form3");
  ExposeAsWindow(this);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ReadMeTitle);
  setWindowIcon(ArtworkIcon("window"));
  resize(Pixels(ReadMeClientWidth), Pixels(ReadMeClientHeight));

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(ReadMeTextRow.name);
  text1_->setGeometry(PixelRect(ReadMeTextRow));
  text1_->setFont(LayoutFont(ReadMeTextRow.font));
  text1_->setAccessibleName(QString::fromLatin1(ReadMeTextRow.spoken_name));
  text1_->setReadOnly(ReadMeTextRow.locked);
  text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text1_->setPlainText(MessageTextToQString(ReadMeText()));
  text1_->setFocus();

  SizeReadMeText();
}

void Form3::SizeReadMeText() {
  const QSize screen_size = screen()->geometry().size();
  const TwipSize twips = ReadMeTextTwips(screen_size.width(), screen_size.height());
  load_size_ = QSize(Pixels(twips.width), Pixels(twips.height));
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

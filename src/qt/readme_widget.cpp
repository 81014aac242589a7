#include "qt/readme_widget.h"

#include <QPlainTextEdit>
#include <QScreen>

#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"

namespace vbe {

ReadMeWidget::ReadMeWidget(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form3");
  ExposeAsWindow(this);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ReadMeTitle);
  setWindowIcon(ArtworkIcon("window"));
  resize(Pixels(ReadMeClientWidth), Pixels(ReadMeClientHeight));

  const ControlRow& row = ReadMeTextRow;
  notes_ = new QPlainTextEdit(this);
  notes_->setObjectName(row.name);
  notes_->setGeometry(PixelRect(row));
  notes_->setFont(LayoutFont(row.font));
  notes_->setAccessibleName(QString::fromLatin1(row.spoken_name));
  notes_->setReadOnly(row.locked);
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  notes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  notes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  notes_->setFocus();
  LoadReadMe(*this);
}

TwipSize ReadMeWidget::WorkAreaPixels() const {
  const QSize size = screen()->availableGeometry().size();
  return {size.width(), size.height()};
}

void ReadMeWidget::ShowNotes(std::u16string_view text) {
  notes_->setPlainText(RowsToQString(text));
}

void ReadMeWidget::SizeNotes(TwipSize size) {
  load_size_ = QSize(Pixels(size.width), Pixels(size.height));
  FitNotes();
}

void ReadMeWidget::FitNotes() {
  notes_->resize(isMaximized() ? load_size_ : load_size_.boundedTo(size()));
}

void ReadMeWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (notes_) FitNotes();
}

void ReadMeWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && notes_) FitNotes();
}

}  // namespace vbe

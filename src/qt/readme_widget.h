#pragma once

#include <QSize>
#include <QWidget>

#include "app/readme.h"

class QPlainTextEdit;

namespace vbe {

// The read-me window, Form3: the program's notes in one read-only box. It deletes itself when
// closed. The maximised window keeps the box at the size the load step gives it; a smaller
// window fits the box into itself, so its scroll bar stays in sight.
class ReadMeWidget : public QWidget, public ReadMeView {
 public:
  explicit ReadMeWidget(QWidget* parent = nullptr);

  TwipSize WorkAreaPixels() const override;
  void ShowNotes(std::u16string_view text) override;
  void SizeNotes(TwipSize size) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FitNotes();

  QPlainTextEdit* notes_ = nullptr;
  QSize load_size_;  // pixels
};

}  // namespace vbe

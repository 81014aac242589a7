#pragma once

#include <QSize>
#include <QWidget>
#include <string>

class QPlainTextEdit;

namespace vbe {

// "ReadMe": the program's notes in one read-only box. It deletes itself when closed.
class Form3 : public QWidget {
 public:
  explicit Form3(QWidget* parent = nullptr);

  // The load step: sizes Text1 from the whole screen. The maximised window keeps that size; a
  // smaller window fits the box into itself, so its scroll bar stays in sight.
  void SizeReadMeText();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FitReadMeText();

  QPlainTextEdit* text1_ = nullptr;
  QSize load_size_;  // pixels
};

}  // namespace vbe

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

  // The load step: sizes Text1 from the whole screen, once. Resizing the window later leaves
  // the box as it is.
  void SizeReadMeText();

 private:
  QPlainTextEdit* text1_ = nullptr;
};

}  // namespace vbe

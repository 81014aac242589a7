#pragma once

#include <QObject>
#include <span>
#include <vector>

class QLineEdit;

namespace vbe {

// Moves the focus between the line editors with the Up and Down arrows, as between the lines of
// one text: Down to the editor below, Up to the one above, nothing past the first or the last.
// Shift, Ctrl and Alt are not looked at. The key is only watched, never swallowed, and the
// editor that gets the focus keeps its own caret and selection.
class LineNavigator : public QObject {
 public:
  LineNavigator(std::span<QLineEdit* const> editors, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QLineEdit*> editors_;
};

}  // namespace vbe

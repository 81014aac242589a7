#include "ui/line_navigator.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace vbe {

LineNavigator::LineNavigator(std::span<QLineEdit* const> editors, QObject* parent)
    : QObject(parent), editors_(editors.begin(), editors.end()) {
  for (QLineEdit* editor : editors_) editor->installEventFilter(this);
}

bool LineNavigator::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto at = std::find(editors_.begin(), editors_.end(), watched);
  if (at == editors_.end()) return false;

  const int key = static_cast<QKeyEvent*>(event)->key();
  QLineEdit* target = nullptr;
  if (key == Qt::Key_Down) {
    if (std::next(at) != editors_.end()) target = *std::next(at);
  } else if (key == Qt::Key_Up) {
    if (at != editors_.begin()) target = *std::prev(at);
  }
  // Not a tab reason: that would select the whole line of the editor that gets the focus.
  if (target) target->setFocus(Qt::OtherFocusReason);
  return false;
}

}  // namespace vbe

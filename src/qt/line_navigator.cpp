#include "qt/line_navigator.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "app/main_window.h"

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
  if (key != Qt::Key_Down && key != Qt::Key_Up) return false;
  const int line = static_cast<int>(at - editors_.begin()) + 1;
  const auto target =
      LineAfterArrow(line, key == Qt::Key_Down ? LineArrow::Down : LineArrow::Up);
  // Not a tab reason: that would select the whole line of the editor that gets the focus.
  if (target && *target <= static_cast<int>(editors_.size())) {
    editors_[*target - 1]->setFocus(Qt::OtherFocusReason);
  }
  return false;
}

}  // namespace vbe

#include "qt/locator_widget.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <algorithm>

#include "forms/locator_window.h"
#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/control_table.h"

namespace vbe {
LocatorWidget::LocatorWidget(LocatorHost host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      own_dialogs_(this),
      locator_(*this, controls_, host.drives, host.dialogs ? *host.dialogs : own_dialogs_,
               std::move(host.set_autoexec_folder)) {
  setObjectName("Form2");
  ExposeAsWindow(this);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(LocatorTitle);
  setWindowIcon(ArtworkIcon("window"));
  setFont(LayoutFont(FontName::Default));
  setFixedSize(Pixels(LocatorClientWidth), Pixels(LocatorClientHeight));
  if (parent) {
    // Over the middle of the window that opened it, but whole on the screen.
    QRect place = rect();
    place.moveCenter(parent->window()->geometry().center());
    if (const QScreen* screen = parent->screen()) {
      const QRect room = screen->availableGeometry();
      place.moveLeft(std::clamp(place.left(), room.left(),
                                std::max(room.left(), room.right() - place.width() + 1)));
      place.moveTop(std::clamp(place.top(), room.top(),
                               std::max(room.top(), room.bottom() - place.height() + 1)));
    }
    setGeometry(place);
  }

  controls_.Build(LocatorWindowControls(), this, [this](const ControlRow& row, QWidget& control) {
    // Each control's event reaches the behaviour as its row says.
    const LocatorCommand command = row.command.locator;
    if (auto* drives = qobject_cast<QComboBox*>(&control)) {
      connect(drives, &QComboBox::currentIndexChanged, this,
              [this, command] { locator_.OnCommand(command); });
    } else if (auto* folders = qobject_cast<QTreeWidget*>(&control)) {
      open_folder_ = command;
      dir1_ = folders;
      connect(folders, &QTreeWidget::itemDoubleClicked, this,
              [this, command] { locator_.OnCommand(command); });
      folders->installEventFilter(this);
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
      connect(button, &QPushButton::clicked, this,
              [this, command] { locator_.OnCommand(command); });
    }
  });
  locator_.Load();
  controls_.Widget(RowNamed(LocatorWindowControls(), kDriveList))->setFocus();
}

// Return or Enter opens the highlighted folder, as a double-click does.
bool LocatorWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dir1_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      locator_.OnCommand(open_folder_);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vbe

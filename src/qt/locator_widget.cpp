#include "qt/locator_widget.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "forms/locator_window.h"
#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"

namespace vbe {
LocatorWidget::LocatorWidget(LocatorHost host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      own_dialogs_(this),
      locator_(*this, host.drives, host.dialogs ? *host.dialogs : own_dialogs_,
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

  PlaceControls(LocatorWindowControls(), this, [this](const ControlRow& row, QWidget& control) {
    // Each control's event reaches the behaviour as its row says.
    const LocatorCommand command = row.command.locator;
    if (auto* drives = qobject_cast<QComboBox*>(&control)) {
      connect(drives, &QComboBox::currentIndexChanged, this,
              [this, command] { locator_.OnCommand(command); });
    } else if (auto* folders = qobject_cast<QTreeWidget*>(&control)) {
      open_folder_ = command;
      connect(folders, &QTreeWidget::itemDoubleClicked, this,
              [this, command] { locator_.OnCommand(command); });
      folders->installEventFilter(this);
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
      connect(button, &QPushButton::clicked, this,
              [this, command] { locator_.OnCommand(command); });
    }
  });
  drive1_ = findChild<QComboBox*>();
  dir1_ = findChild<QTreeWidget*>();
  locator_.Load();
  drive1_->setFocus();
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

void LocatorWidget::ShowDrives(std::span<const std::u16string> drives, int selected) {
  const QSignalBlocker quiet(drive1_);
  drive1_->clear();
  for (const std::u16string& drive : drives) drive1_->addItem(ToQString(drive));
  drive1_->setCurrentIndex(selected);
}

std::u16string LocatorWidget::ShownDrive() const {
  return ToUtf16(drive1_->currentText());
}

void LocatorWidget::ShowFolders(std::span<const FolderRow> rows, int selected) {
  dir1_->clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  std::vector<QTreeWidgetItem*> open;  // the open folder at each depth
  QTreeWidgetItem* highlighted = nullptr;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FolderRow& row = rows[i];
    const auto depth = static_cast<std::size_t>(row.depth);
    auto* item = depth == 0 || depth > open.size() ? new QTreeWidgetItem(dir1_)
                                                   : new QTreeWidgetItem(open[depth - 1]);
    item->setText(0, ToQString(row.name));
    item->setIcon(0, row.open ? open_icon : closed_icon);
    item->setData(0, Qt::UserRole, static_cast<int>(i));
    if (row.open) {
      open.resize(depth);
      open.push_back(item);
    }
    if (static_cast<int>(i) == selected) highlighted = item;
  }
  dir1_->expandAll();
  if (highlighted) {
    dir1_->setCurrentItem(highlighted);
    dir1_->scrollToItem(highlighted);
  }
}

int LocatorWidget::HighlightedFolder() const {
  const QTreeWidgetItem* item = dir1_->currentItem();
  return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

}  // namespace vbe

#include "qt/form2.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "gamecfg/autoexec.h"
#include "gamecfg/locator.h"
#include "platform/folders.h"
#include "platform/code_page.h"
#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"

namespace vbe {
namespace {


QWidget* MakeLocatorControl(const ControlRow& row, QWidget* parent) {
  const QString caption = BindTextToQString(row.caption);
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      return label;
    }
    case ControlKind::Button: {
      // Neither button answers Enter or Escape.
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::DriveList:
      return new QComboBox(parent);
    case ControlKind::FolderList: {
      // The open folders from the drive's root down, each indented under the one before, then
      // the subfolders of the last. Nothing folds away: a double-click opens a folder.
      auto* tree = new QTreeWidget(parent);
      tree->setHeaderHidden(true);
      tree->setRootIsDecorated(false);
      tree->setItemsExpandable(false);
      tree->setExpandsOnDoubleClick(false);
      tree->setStyleSheet("QTreeView::branch { image: none; border-image: none; }");
      tree->setIndentation(10);
      tree->setUniformRowHeights(true);
      tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
      return tree;
    }
    default:
      return nullptr;
  }
}

}  // namespace

Form2::Form2(Form2Host host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      drives_(host.drives),
      own_dialogs_(this),
      dialogs_(host.dialogs ? *host.dialogs : own_dialogs_),
      set_autoexec_folder_(std::move(host.set_autoexec_folder)) {
  setObjectName("Form2");
  ExposeAsWindow(this);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(LocatorTitle);
  setWindowIcon(ArtworkIcon("window"));
  setFont(LayoutFont(FontName::Default));
  setFixedSize(Pixels(LocatorClientWidth), Pixels(LocatorClientHeight));
  BuildControls();
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

  const std::string start = LocatorStartFolder(ProcessFolder(drives_), drives_);
  for (const DriveTable::Drive& drive : drives_.Drives()) {
    drive1_->addItem(QString("%1:").arg(QChar::fromLatin1(drive.letter)));
  }
  if (!start.empty()) {
    drive1_->setCurrentIndex(drive1_->findText(BindTextToQString(start.substr(0, 2))));
  }
  // A start folder that cannot be entered is still shown, without subfolders.
  if (!OpenFolder(start)) ShowFolder(start, {});

  connect(drive1_, &QComboBox::currentIndexChanged, this, [this] { ChangeLocatorDrive(*this, drives_, dialogs_); });
  connect(dir1_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenFolderOf(item); });
  dir1_->installEventFilter(this);
  connect(&Child<QPushButton>(*this, "Command1"), &QPushButton::clicked, this,
          [this] { LocateAutoexecFolder(*this, drives_, dialogs_); });
  connect(&Child<QPushButton>(*this, "Command2"), &QPushButton::clicked, this, [this] { close(); });
  drive1_->setFocus();
}

// Return or Enter opens the highlighted folder, as a double-click does.
bool Form2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dir1_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OpenFolderOf(dir1_->currentItem());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form2::BuildControls() {
  PlaceControls(LocatorWindowControls(),
                [this](const ControlRow& row) { return MakeLocatorControl(row, this); });
  drive1_ = &Child<QComboBox>(*this, "Drive1");
  dir1_ = &Child<QTreeWidget>(*this, "Dir1");
}

std::string Form2::ShownDrive() const {
  return QStringToBindTextLossy(drive1_->currentText());
}

bool Form2::OpenFolder(const std::string& folder) {
  const auto subfolders = ListSubfolders(drives_, folder);
  if (!subfolders) return false;
  ShowFolder(folder, *subfolders);
  return true;
}

void Form2::ShowFolder(const std::string& folder, const std::vector<std::string>& subfolders) {
  current_folder_ = folder;
  dir1_->clear();
  item_folders_.clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);

  auto add = [this](QTreeWidgetItem* item, const std::string& path, const QIcon& icon) {
    item->setIcon(0, icon);
    item->setData(0, Qt::UserRole, static_cast<int>(item_folders_.size()));
    item_folders_.push_back(path);
  };
  QTreeWidgetItem* parent = nullptr;
  for (const std::string& step : FolderSteps(folder)) {
    const std::string name = parent ? std::string(FileNamePart(step)) : step;
    QTreeWidgetItem* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(dir1_);
    item->setText(0, BindTextToQString(name));
    add(item, step, open_icon);
    parent = item;
  }
  if (!parent) return;
  for (const std::string& name : subfolders) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, BindTextToQString(name));
    add(item, SubfolderPath(folder, name), closed_icon);
  }
  dir1_->expandAll();
  dir1_->setCurrentItem(parent);
  dir1_->scrollToItem(parent);
}

void Form2::OpenFolderOf(QTreeWidgetItem* item) {
  if (!item) return;
  const std::string folder = item_folders_.at(item->data(0, Qt::UserRole).toInt());
  if (OpenFolder(folder)) return;
  std::string text = "Can't open the folder ";
  text += Cp1252ToUtf8(folder);
  dialogs_.ShowMessage(text, "Folder Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

void Form2::SetAutoexecFolder(const std::string& folder) {
  if (set_autoexec_folder_) set_autoexec_folder_(folder);
}

}  // namespace vbe

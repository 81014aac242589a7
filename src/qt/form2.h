#pragma once

#include <QWidget>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "commands/locator_commands.h"
#include "commands/user_dialogs.h"
#include "forms/locator_window.h"
#include "platform/drive_table.h"
#include "qt/control_table.h"
#include "qt/qt_dialogs.h"

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vbe {

// What the locator window is given by the main window.
struct Form2Host {
  const DriveTable& drives;
  // The user's side of the locator's actions; null for its own Qt message boxes, shown over it.
  UserDialogs* dialogs = nullptr;
  // Writes the chosen folder into the main window's Text15.
  std::function<void(const std::string&)> set_autoexec_folder;
};

// The locator window: a drive list (Drive1) and a folder list (Dir1) from which the user picks
// the folder of the game's autoexec.cfg. It is modeless, opens centred over the window that opens
// it and deletes itself when it closes.
class Form2 : public QWidget, public LocatorWindow {
  Q_OBJECT

 public:
  explicit Form2(Form2Host host, QWidget* parent = nullptr);

  std::string ShownDrive() const override;
  std::string CurrentFolder() const override { return current_folder_; }
  bool OpenFolder(const std::string& folder) override;
  void SetAutoexecFolder(const std::string& folder) override;
  void CloseLocator() override { close(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ShowFolder(const std::string& folder, const std::vector<std::string>& subfolders);
  void OpenFolderOf(QTreeWidgetItem* item);

  const DriveTable& drives_;
  QtUserDialogs own_dialogs_;
  UserDialogs& dialogs_;
  std::function<void(const std::string&)> set_autoexec_folder_;
  std::string current_folder_;
  std::vector<std::string> item_folders_;  // the folder of each Dir1 item, by the item's number
  QComboBox* drive1_ = nullptr;
  QTreeWidget* dir1_ = nullptr;
};

}  // namespace vbe

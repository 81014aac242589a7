#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/locator.h"
#include "qt/control_table.h"
#include "qt/qt_dialogs.h"

namespace vbe {

// What the locator window is given by the main window.
struct LocatorHost {
  const DriveTable& drives;
  // The user's side of the locator's actions; null for its own Qt message boxes, shown over it.
  UserDialogs* dialogs = nullptr;
  // Writes the chosen folder into the main window's Text15.
  std::function<void(const std::string&)> set_autoexec_folder;
};

// The locator window, Form2: a drive list (Drive1) and a folder list (Dir1). It is modeless,
// opens centred over the window that opens it and deletes itself when it closes.
class LocatorWidget : public QWidget, public LocatorView {
  Q_OBJECT

 public:
  explicit LocatorWidget(LocatorHost host, QWidget* parent = nullptr);

  void CloseWindow() override { close(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QtUserDialogs own_dialogs_;
  ControlSet controls_;
  Locator locator_;
  QWidget* dir1_ = nullptr;
  LocatorCommand open_folder_ = LocatorCommand::None;  // the folder list's command
};

}  // namespace vbe

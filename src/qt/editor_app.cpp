#include "qt/editor_app.h"

#include <QApplication>

#include "qt/control_table.h"
#include "qt/main_window_widget.h"

namespace vbe {

int RunEditor(int& argc, char** argv, const std::function<void(QWidget&)>& before_show) {
  QApplication app(argc, argv);
  QApplication::setFont(LayoutFont(FontName::Default));
  MainWindowWidget window({.drives = DriveTable::ForThisHost(),
                           .dialogs = nullptr,
                           .end_program = {},
                           .audio = nullptr});
  if (before_show) before_show(window);
  window.show();
  window.OpenFromCommandLine(QApplication::arguments());
  return app.exec();
}

}  // namespace vbe

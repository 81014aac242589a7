#include "qt/editor_app.h"

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "qt/control_table.h"
#include "qt/main_window_widget.h"

namespace vbe {

int RunEditor(int& argc, char** argv, const std::function<void(QWidget&)>& before_show) {
  // Decided before Qt starts, so that --help and a wrong command line need no display. The file
  // is taken from the arguments as bytes: a name that is not UTF-8 is still the file's name.
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const StartDecision start = DecideStart(arguments);
  if (!start.open_window) {
    std::fputs(start.output.c_str(), stdout);
    std::fputs(start.error.c_str(), stderr);
    return start.exit_status;
  }
  // Qt sees only the program's name: every argument has been decided on above.
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  QApplication::setFont(LayoutFont(FontName::Default));
  MainWindowWidget window({.drives = DriveTable::ForThisHost(),
                           .dialogs = nullptr,
                           .end_program = {},
                           .audio = nullptr,
                           .beep = nullptr});
  if (before_show) before_show(window);
  window.show();
  if (start.file) window.OpenFromCommandLine(std::filesystem::path(arguments[*start.file]));
  return app.exec();
}

}  // namespace vbe

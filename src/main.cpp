#include <QApplication>

#include "ui/control_table.h"
#include "ui/first_frame.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setFont(vbe::LayoutFont(vbe::FontName::Default));
  vbe::Form1 window({.drives = vbe::DriveTable::ForThisHost(), .dialogs = nullptr,
                     .end_program = {}, .audio = nullptr});
  vbe::ReportFirstFrameIfAsked(window);
  window.show();
  window.OpenFromCommandLine(QApplication::arguments());
  return app.exec();
}

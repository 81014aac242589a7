#include <QApplication>

#include "ui/first_frame.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vbe::Form1 window({.drives = vbe::DriveTable::ForThisHost(), .dialogs = nullptr,
                     .end_program = {}, .audio = nullptr});
  vbe::ReportFirstFrameIfAsked(window);
  window.show();
  return app.exec();
}

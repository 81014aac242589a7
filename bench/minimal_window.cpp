// The yardstick of the start-up benchmark: the least a Qt Widgets program can show, one line
// of text in a window, started and measured the same way as the editor.
#include <QApplication>
#include <QLabel>

#include "first_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window("Vellmar Bind Editor");
  window.resize(696, 447);
  vbe::ReportFirstFrameIfAsked(window);
  window.show();
  return app.exec();
}

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace vbe {

// For the start-up benchmark only: once the window has painted its first frame, say so on
// standard output and end the process at once. Header-only, so that the benchmark's minimal
// window measures the same moment without the editor's libraries.
class FirstFrameReporter : public QObject {
 public:
  explicit FirstFrameReporter(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // After the paint has been handled and flushed to the screen.
      QTimer::singleShot(0, [] {
        std::fputs("first-frame\n", stdout);
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool reported_ = false;
};

inline void ReportFirstFrameIfAsked(QWidget& window) {
  if (qEnvironmentVariableIsSet("VBE_REPORT_FIRST_FRAME")) new FirstFrameReporter(&window);
}

}  // namespace vbe

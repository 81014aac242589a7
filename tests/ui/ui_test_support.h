#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace vbe::testing {

// Runs `act` on the next modal window that opens (a message box or a file dialog), from the
// event loop that the modal window itself runs.
inline void WhenModalOpens(std::function<void(QWidget*)> act) {
  QWidget* before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, before, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == before) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

}  // namespace vbe::testing

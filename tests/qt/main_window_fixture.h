#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/editor_fixture.h"
#include "qt/form1.h"

namespace vbe::testing {

// Runs `act` on the next modal window to open, from the event loop that window runs.
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

// The real main window over the editor fixture's drive c:, scripted user and recorded sound.
class MainWindowTest : public EditorTest {
 protected:
  MainWindowTest() { Build(); }
  // A new main window over `drives`; without the fakes it uses its own dialogs or audio.
  void Build(bool scripted_dialogs = true, bool recorded_audio = true) {
    form.reset();
    form = std::make_unique<Form1>(Form1Host{drives, scripted_dialogs ? &dialogs : nullptr,
                                             [this] { ++program_ends; },
                                             recorded_audio ? &audio : nullptr});
  }

  template <typename T = QWidget>
  T* Control(const char* name) {
    T* control = form->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLineEdit* Editor(int k) { return Control<QLineEdit>(QString("Text%1").arg(k).toUtf8()); }
  void Click(const char* name) { Control<QAbstractButton>(name)->click(); }
  QString PreviewText() { return Control<QPlainTextEdit>("Text14")->toPlainText(); }
  void SetLines(const QStringList& lines) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(lines.value(k - 1));
  }
  void ShowAndFocus() {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  int program_ends = 0;
  std::unique_ptr<Form1> form;
};

}  // namespace vbe::testing

#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>

#include "qt/main_window_widget.h"
#include "support/editor_fixture.h"

// Test messages show Qt's strings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace vbe::testing {

inline constexpr const char* kWaitingForModal = "vbe_waiting_for_modal";

// Runs `act` on the next modal window to open, from the event loop that window runs.
inline void WhenModalOpens(std::function<void(QWidget*)> act) {
  QWidget* before = QApplication::activeModalWidget();
  auto* timer = new QTimer(qApp);
  timer->setObjectName(kWaitingForModal);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, before, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == before) return;
    timer->stop();
    timer->deleteLater();
    // A test that stops early still closes the window, so that the test run goes on.
    const QPointer<QWidget> opened(modal);
    act(modal);
    if (opened && opened->isVisible()) opened->close();
  });
  timer->start();
}

// The widget of `window` that has the keyboard focus, once it has one; null if it gets none.
inline QWidget* FocusIn(QWidget* window) {
  window->activateWindow();
  static_cast<void>(QTest::qWaitForWindowActive(window));
  static_cast<void>(QTest::qWaitFor(
      [window] {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus->window() == window;
      },
      2000));
  QWidget* focus = QApplication::focusWidget();
  return focus && focus->window() == window ? focus : nullptr;
}

// Types `text` into `widget` key by key; characters beyond ASCII go with their own text.
inline void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
  }
}

// The real main window over the editor fixture's drive c:, scripted user and recorded sound.
class MainWindowTest : public EditorTest {
 protected:
  MainWindowTest() { Build(); }
  // A window a test waited for in vain must not answer the next test's windows.
  ~MainWindowTest() override {
    qDeleteAll(qApp->findChildren<QTimer*>(kWaitingForModal, Qt::FindDirectChildrenOnly));
  }
  // A new main window over `drives`; without the fakes it uses its own dialogs or audio.
  void Build(bool scripted_dialogs = true, bool recorded_audio = true) {
    form.reset();
    form = std::make_unique<MainWindowWidget>(
        Form1Host{drives, scripted_dialogs ? &dialogs : nullptr, [this] { ++program_ends; },
                  recorded_audio ? &audio : nullptr, [this] { ++beeps; }});
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
  // Presses Tab from the focused control once for each of `names`, which take the focus in turn.
  static void ExpectTabOrder(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      ASSERT_NE(QApplication::focusWidget(), nullptr);
      EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }
  }
  void ShowAndFocus() {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  // The bind the window holds.
  MainWindow& Bind() { return form->Behaviour(); }

  int program_ends = 0;
  int beeps = 0;  // the warning sounds of refused text
  std::unique_ptr<MainWindowWidget> form;
};

}  // namespace vbe::testing

// The locator window (Form2) and the read-me window (Form3) as Qt realises them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "app/text_filter.h"
#include "forms/readme_window.h"
#include "qt/bind_text.h"
#include "qt/locator_widget.h"
#include "qt/main_window_fixture.h"
#include "qt/readme_widget.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::WriteBytes;

const QString kPreset = "c:\\program files\\Vellmar\\main";
const QString kMain = "c:\\Program Files\\Vellmar\\main";

// The main window over drive c: holding the game's folders, and its locator window.
class Locator : public testing::MainWindowTest {
 protected:
  Locator() {
    fs::create_directories(disk / "Program Files" / "Vellmar" / "main");
    fs::create_directories(disk / "Binds");
    WriteBytes(disk / "Program Files" / "Vellmar" / "main" / "autoexec.cfg", "exec a.cfg\r\n");
  }

  // Presses "..." and returns the locator window.
  LocatorWidget* Open() {
    Click("Command7");
    return Window();
  }
  LocatorWidget* Window() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto windows = form->findChildren<LocatorWidget*>();
    EXPECT_LE(windows.size(), 1);
    return windows.isEmpty() ? nullptr : windows.first();
  }
  QTreeWidget* Dir1() { return Window()->findChild<QTreeWidget*>("Dir1"); }
  // The folder Dir1 highlights, as its path; after a folder opens, that folder.
  QString OpenFolder() {
    QStringList names;
    for (QTreeWidgetItem* item = Dir1()->currentItem(); item; item = item->parent()) {
      names.prepend(item->text(0));
    }
    const QString root = names.takeFirst();  // "c:\"
    return root + names.join('\\');
  }
  QTreeWidgetItem* Item(const QString& text) {
    const auto found = Dir1()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << text.toStdString();
    return found.value(0);
  }
  // A click; for a double-click the system then delivers the double-click and a release.
  void ClickFolder(const QString& text, bool twice = false) {
    const QPoint at = Dir1()->visualItemRect(Item(text)).center();
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {}, at);
    if (!twice) return;
    QTest::mouseDClick(Dir1()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(Dir1()->viewport(), Qt::LeftButton, {}, at);
  }
  void DoubleClick(const QString& text) { ClickFolder(text, true); }
  void Press(const char* button) { Window()->findChild<QPushButton*>(button)->click(); }
  QString Text15() { return Control<QLineEdit>("Text15")->text(); }
};

TEST_F(Locator, OneWindowAtATimeAndCancelTakesNothing) {
  LocatorWidget* first = Open();
  DoubleClick("Program Files");
  EXPECT_EQ(Open(), first);
  EXPECT_EQ(OpenFolder(), "c:\\Program Files") << "shown again as it was";
  Press("Command2");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Text15(), kPreset);
  EXPECT_EQ((Open(), OpenFolder()), "c:\\") << "a new window starts afresh";
}

class LocatorKey : public Locator,
                   public ::testing::WithParamInterface<std::pair<Qt::Key, Qt::KeyboardModifier>> {
};

TEST_P(LocatorKey, OpensTheHighlightedFolder) {
  const auto [key, modifier] = GetParam();
  Open();
  ClickFolder("Program Files");
  QTest::keyClick(Dir1(), key, modifier);
  EXPECT_EQ(OpenFolder(), "c:\\Program Files");
  EXPECT_NE(Item("Vellmar"), nullptr);
  EXPECT_TRUE(Window()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(ReturnAndEnter, LocatorKey,
                         ::testing::Values(std::pair{Qt::Key_Return, Qt::NoModifier},
                                           std::pair{Qt::Key_Enter, Qt::KeypadModifier}));

TEST_F(Locator, FocusStartsInTheDriveListAndTabGoesToOkCancelAndTheFolders) {
  ShowAndFocus();
  LocatorWidget* window = Open();
  ASSERT_NE(testing::FocusIn(window), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Drive1");
  ExpectTabOrder({"Command1", "Command2", "Dir1", "Drive1"});
}

TEST_F(Locator, AMinimisedWindowIsRestoredByTheButton) {
  LocatorWidget* window = Open();
  window->showMinimized();
  ASSERT_TRUE(window->isMinimized());
  EXPECT_EQ(Open(), window);
  EXPECT_FALSE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(Locator, OpensCentredOverTheMainWindowAndShowsItsMessagesOverItself) {
  Build(false, true);
  form->move(40, 60);
  LocatorWidget* window = Open();
  EXPECT_LE((window->geometry().center() - form->geometry().center()).manhattanLength(), 1);
  QWidget* owner = nullptr;
  testing::WhenModalOpens([&](QWidget* modal) {
    owner = modal->parentWidget();
    modal->close();
  });
  Press("Command1");  // c:\ holds no autoexec.cfg
  EXPECT_EQ(owner, window);
}

// The autoexec option through the real windows: the folder picked with the keyboard, the
// option ticked, a key picked from the list, and Save with the user's choices.
TEST_F(Locator, SaveAppendsTheBindToTheAutoexecOfTheFolderPickedWithTheKeyboard) {
  ShowAndFocus();
  QTest::mouseClick(Control("Command7"), Qt::LeftButton);
  LocatorWidget* window = Window();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(testing::FocusIn(window), nullptr);
  for (int tab = 0; tab < 3; ++tab) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Dir1());
  // c:\ lists Binds, then Program Files; each opened folder lists its one subfolder.
  for (int down : {2, 1, 1}) {
    for (int i = 0; i < down; ++i) QTest::keyClick(Dir1(), Qt::Key_Down);
    QTest::keyClick(Dir1(), Qt::Key_Return);
  }
  QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Text15(), kMain);

  QTest::mouseClick(Control("Check2"), Qt::LeftButton);
  auto* combo = Control<QComboBox>("Combo1");
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  list->setCurrentIndex(list->model()->index(combo->findText("p"), 0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(combo->currentText(), "p");

  Bind().SetLine(1, "hello");
  dialogs.file_choices = {disk / "Program Files" / "Vellmar" / "main" / "greet.cfg"};
  dialogs.answers = {Answer::Yes};
  QTest::mouseClick(Control("Command4"), Qt::LeftButton);
  EXPECT_EQ(dialogs.boxes, testing::Boxes({{"File saved .. Proceed to modify autoexec.cfg file?",
                                            "Modify autoexec?", 67}}));
  EXPECT_EQ(testing::ReadBytes(disk / "Program Files" / "Vellmar" / "main" / "autoexec.cfg"),
            "exec a.cfg\r\nbind \"p\" exec greet.cfg\r\n");
}

TEST_F(Locator, ADriveThatCannotBeEnteredIsReportedAndTheFoldersStay) {
  testing::TempFolder other;
  fs::create_directory(other / "games");
  drives.SetDrive('d', disk / "no such drive");
  drives.SetDrive('e', other.path());
  Build();
  Open();
  DoubleClick("Binds");

  auto* drive1 = Window()->findChild<QComboBox*>("Drive1");
  drive1->setCurrentIndex(drive1->findText("d:"));
  EXPECT_EQ(dialogs.boxes, testing::Boxes({{"Device is unavailable", "Drive Error", 16}}));
  EXPECT_EQ(OpenFolder(), "c:\\Binds");
  EXPECT_NE(Item("Binds"), nullptr) << "the folders of c: stay";

  drive1->setCurrentIndex(drive1->findText("e:"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(OpenFolder(), "e:\\");
  EXPECT_NE(Item("games"), nullptr);
}

using ReadMeWindow = testing::MainWindowTest;

QList<ReadMeWidget*> OpenReadMes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QList<ReadMeWidget*> found;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form3 = dynamic_cast<ReadMeWidget*>(window); form3 && form3->isVisible())
      found << form3;
  }
  return found;
}

TEST_F(ReadMeWindow, OpensOnceShowsTheNotesReadOnlyAndExitClosesIt) {
  Click("Command8");
  Click("Command8");
  ASSERT_EQ(OpenReadMes().size(), 1);
  auto* text1 = OpenReadMes()[0]->findChild<QPlainTextEdit*>("Text1");
  const QString shown = text1->toPlainText();
  EXPECT_EQ(shown, RowsToQString(BindTextToUtf16(ReadMeText())));

  text1->setFocus();
  QTest::keyClicks(text1, "typed");
  for (auto key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) QTest::keyClick(text1, key);
  QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text1->toPlainText(), shown);
  Click("Command6");
  EXPECT_EQ(program_ends, 1);
  EXPECT_TRUE(OpenReadMes().empty());
}

// The load step's size is the screen's work area, less room for the caption (the offscreen
// screen has no panel, so its work area is the whole screen).
TEST_F(ReadMeWindow, TheBoxHasTheWorkAreasSizeWhileMaximisedAndFitsASmallerWindow) {
  EXPECT_EQ(ReadMeTextTwips(800, 600), (TwipSize{12000, 8338}));
  Click("Command8");
  ASSERT_EQ(OpenReadMes().size(), 1);
  ReadMeWidget* window = OpenReadMes()[0];
  EXPECT_EQ(window->screen()->availableGeometry().size(), QSize(800, 800));
  auto* text1 = window->findChild<QPlainTextEdit*>("Text1");
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 800, 755)) << "on an 800 by 800 screen";

  window->showNormal();
  ASSERT_TRUE(
      QTest::qWaitFor([window] { return !window->isMaximized() && window->width() < 800; }));
  EXPECT_EQ(text1->geometry(), window->rect());
  window->resize(500, 790);
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 500, 755));
  window->resize(300, 200);
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 300, 200));
  window->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([window] { return window->isMaximized(); }));
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 800, 755));
}

}  // namespace
}  // namespace vbe

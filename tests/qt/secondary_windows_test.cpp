// The locator window (Form2) and the read-me window (Form3), opened from the main window.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "forms/readme_window.h"
#include "qt/bind_text.h"
#include "qt/form2.h"
#include "qt/form3.h"
#include "qt/main_window_fixture.h"

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
  Form2* Open() {
    Click("Command7");
    return Window();
  }
  Form2* Window() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto windows = form->findChildren<Form2*>();
    EXPECT_LE(windows.size(), 1);
    return windows.isEmpty() ? nullptr : windows.first();
  }
  QTreeWidget* Dir1() { return Window()->findChild<QTreeWidget*>("Dir1"); }
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

TEST_F(Locator, OkTakesTheOpenedFolderOnlyWhenItHoldsTheAutoexecAndCancelTakesNothing) {
  WriteBytes(disk / "autoexec.cfg", "");
  Form2* first = Open();
  for (const char* name : {"Program Files", "Vellmar"}) DoubleClick(name);
  ClickFolder("main");
  ASSERT_EQ(Dir1()->currentItem(), Item("main"));
  EXPECT_EQ(Open(), first) << "one window";
  Press("Command1");  // tests the opened Vellmar, not the highlighted main
  const testing::Box not_found{"Sorry, can't find the autoexec.cfg file in that folder",
                               "File not found", 16};
  EXPECT_EQ(dialogs.boxes, testing::Boxes{not_found});
  ASSERT_TRUE(Window() && Window()->isVisible());
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Program Files\\Vellmar");
  Press("Command2");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Text15(), kPreset);

  ASSERT_EQ(Open()->CurrentFolder(), "c:\\") << "a new window starts afresh";
  DoubleClick("Binds");
  DoubleClick("c:\\");
  Press("Command1");
  EXPECT_EQ(Text15(), "c:\\");
  Open();
  for (const char* name : {"Program Files", "Vellmar", "main"}) DoubleClick(name);
  Press("Command1");
  EXPECT_EQ(dialogs.boxes, testing::Boxes{not_found});
  EXPECT_EQ(Text15(), kMain);
  EXPECT_EQ(Window(), nullptr) << "the window closed and is gone";
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
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Binds");
  EXPECT_NE(Item("Binds"), nullptr) << "the folders of c: stay";

  drive1->setCurrentIndex(drive1->findText("e:"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(Window()->CurrentFolder(), "e:\\");
  EXPECT_NE(Item("games"), nullptr);
}

using ReadMeWindow = testing::MainWindowTest;

QList<Form3*> OpenReadMes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QList<Form3*> found;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form3 = dynamic_cast<Form3*>(window); form3 && form3->isVisible()) found << form3;
  }
  return found;
}

TEST_F(ReadMeWindow, ShowsTheNotesOnceReadOnlySizedFromTheScreenAndExitClosesIt) {
  Click("Command8");
  Click("Command8");
  ASSERT_EQ(OpenReadMes().size(), 1);
  auto* text1 = OpenReadMes()[0]->findChild<QPlainTextEdit*>("Text1");
  EXPECT_EQ(ReadMeTextTwips(800, 600), (TwipSize{12000, 8338}));
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 800, 755)) << "on an 800 by 800 screen";

  const QByteArray notes = QByteArray::fromStdString(std::string(ReadMeText()));
  EXPECT_EQ(notes.count('\r') + notes.count('\n'), 2 * notes.count("\r\n")) << "only CR LF";
  EXPECT_TRUE(notes.contains("(the black square \x85)"));
  const QString shown = text1->toPlainText();
  EXPECT_EQ(shown, MessageTextToQString(notes.toStdString()));

  text1->setFocus();
  QTest::keyClicks(text1, "typed");
  for (auto key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) QTest::keyClick(text1, key);
  QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text1->toPlainText(), shown);

  Click("Command6");
  EXPECT_EQ(program_ends, 1);
  EXPECT_TRUE(OpenReadMes().empty());
}

}  // namespace
}  // namespace vbe

#include "ui/form2.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/main_window_fixture.h"

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
  QComboBox* Drive1() { return Window()->findChild<QComboBox*>("Drive1"); }
  QTreeWidgetItem* Item(const QString& text) {
    const auto found = Dir1()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << text.toStdString();
    return found.value(0);
  }
  void Highlight(const QString& text) {
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {},
                      Dir1()->visualItemRect(Item(text)).center());
  }
  // What the system delivers for a double-click: a click, then the double-click and a release.
  void DoubleClick(const QString& text) {
    const QPoint at = Dir1()->visualItemRect(Item(text)).center();
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Dir1()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(Dir1()->viewport(), Qt::LeftButton, {}, at);
  }
  void Press(const char* button) { Window()->findChild<QPushButton*>(button)->click(); }
  QString Text15() { return Control<QLineEdit>("Text15")->text(); }
};

TEST_F(Locator, OkTakesTheOpenedFolderOnlyWhenItHoldsTheAutoexec) {
  Open();
  for (const char* name : {"Program Files", "Vellmar"}) DoubleClick(name);
  Highlight("main");
  ASSERT_EQ(Dir1()->currentItem(), Item("main"));

  Press("Command1");  // tests the opened Vellmar, not the highlighted main
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "Sorry, can't find the autoexec.cfg file in that folder");
  EXPECT_EQ(dialogs.boxes[0].title, "File not found");
  EXPECT_EQ(dialogs.boxes[0].style, 16);
  EXPECT_EQ(Text15(), kPreset);
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Program Files\\Vellmar");

  DoubleClick("main");
  Press("Command1");
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(Text15(), kMain);
  EXPECT_EQ(Window(), nullptr) << "the window closed and is gone";
}

TEST_F(Locator, ARootFolderKeepsItsBackslash) {
  WriteBytes(disk / "autoexec.cfg", "");
  Open();
  DoubleClick("Binds");
  DoubleClick("c:\\");
  ASSERT_EQ(Window()->CurrentFolder(), "c:\\");
  Press("Command1");
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(Text15(), "c:\\");
}

TEST_F(Locator, DotsShowsOneWindowAndCancelLeavesText15Alone) {
  Form2* first = Open();
  for (const char* name : {"Program Files", "Vellmar", "main"}) DoubleClick(name);
  EXPECT_EQ(Open(), first);
  EXPECT_EQ(first->CurrentFolder(), kMain.toStdString()) << "the open window keeps its state";

  Press("Command2");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Text15(), kPreset);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(Open()->CurrentFolder(), "c:\\") << "a new window starts afresh";
}

TEST_F(Locator, ADriveThatCannotBeEnteredIsReportedAndTheFoldersStay) {
  testing::TempFolder other;
  fs::create_directory(other / "games");
  drives.SetDrive('d', disk / "no such drive");
  drives.SetDrive('e', other.path());
  Build();
  Open();
  DoubleClick("Binds");

  Drive1()->setCurrentIndex(Drive1()->findText("d:"));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "Device is unavailable");
  EXPECT_EQ(dialogs.boxes[0].title, "Drive Error");
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Binds");
  EXPECT_NE(Item("Binds"), nullptr) << "the folders of c: stay";

  Drive1()->setCurrentIndex(Drive1()->findText("e:"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(Window()->CurrentFolder(), "e:\\");
  EXPECT_NE(Item("games"), nullptr);
}

}  // namespace
}  // namespace vbe

#include "ui/form2.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/form1.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::RecordingAudio;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

// The real main window over drive c: holding the game's folders, and its locator window.
class Locator : public ::testing::Test {
 protected:
  Locator() : previous_folder(fs::current_path()) {
    fs::create_directories(disk / "Program Files" / "Vellmar" / "main");
    fs::create_directories(disk / "Binds");
    WriteBytes(disk / "Program Files" / "Vellmar" / "main" / "autoexec.cfg", "exec config.cfg\r\n");
    drives.SetDrive('c', disk.path());
  }
  ~Locator() override { fs::current_path(previous_folder); }

  // Creates the main window and presses "...".
  Form2* Open() {
    if (!form) form = std::make_unique<Form1>(Form1Host{drives, &dialogs, [] {}, &audio});
    form->findChild<QAbstractButton*>("Command7")->click();
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
  QPoint Centre(const QString& text) { return Dir1()->visualItemRect(Item(text)).center(); }
  // What the system delivers for a double-click: a click, then the double-click and a release.
  void DoubleClick(const QString& text) {
    const QPoint at = Centre(text);
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Dir1()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(Dir1()->viewport(), Qt::LeftButton, {}, at);
  }
  void Highlight(const QString& text) {
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {}, Centre(text));
  }
  void Press(const char* button) { Window()->findChild<QPushButton*>(button)->click(); }
  QString Text15() { return form->findChild<QLineEdit*>("Text15")->text(); }
  // The texts of Dir1 from the top, each indented by two spaces per level.
  QStringList Dir1Rows() {
    QStringList rows;
    for (QTreeWidgetItemIterator it(Dir1()); *it; ++it) {
      int depth = 0;
      for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent()) ++depth;
      rows << QString(depth * 2, ' ') + (*it)->text(0);
    }
    return rows;
  }

  fs::path previous_folder;
  TempFolder disk;
  DriveTable drives;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  std::unique_ptr<Form1> form;
};

TEST_F(Locator, PlacesEveryControlAsItsRowSays) {
  Form2* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->size(), QSize(252, 250));
  EXPECT_EQ(window->windowTitle(), "Locate Autoexec file");
  EXPECT_TRUE(window->isWindow());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  for (const ControlRow& row : LocatorWindowControls()) {
    SCOPED_TRACE(row.name);
    QWidget* control = window->findChild<QWidget*>(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(),
              QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
  }
  EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Drive");
  EXPECT_EQ(window->findChild<QLabel*>("Label2")->text(),
            "The autoexec.cfg file will be located in your Vellmar\\main folder ..");
  for (const auto& [name, caption] :
       {std::pair{"Command1", "&Ok"}, std::pair{"Command2", "&Cancel"}}) {
    auto* button = window->findChild<QPushButton*>(name);
    EXPECT_EQ(button->text(), caption);
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
  EXPECT_EQ(Drive1()->count(), 1);
  EXPECT_EQ(Drive1()->currentText(), "c:");
}

TEST_F(Locator, FocusStartsOnTheDriveListAndTabSkipsTheLabels) {
  Form2* window = Open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(QApplication::focusWidget(), Drive1());
  for (const char* name : {"Command1", "Command2", "Dir1", "Drive1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }
}

TEST_F(Locator, StartsInTheProcesssCurrentFolderAndListsItsPathAndSubfolders) {
  fs::current_path(disk / "Program Files" / "Vellmar");
  Form2* window = Open();
  EXPECT_EQ(window->CurrentFolder(), "c:\\Program Files\\Vellmar");
  EXPECT_EQ(Dir1Rows(), QStringList({"c:\\", "  Program Files", "    Vellmar", "      main"}));
  EXPECT_EQ(Dir1()->currentItem(), Item("Vellmar"));

  fs::current_path(previous_folder);  // on no drive of the table: the first drive's root
  Press("Command2");
  Open();
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\");
  EXPECT_EQ(Dir1Rows(), QStringList({"c:\\", "  Binds", "  Program Files"}));
}

TEST_F(Locator, OkWritesTheOpenedFolderIntoText15AndCloses) {
  Open();
  for (const char* name : {"Program Files", "Vellmar", "main"}) DoubleClick(name);
  ASSERT_EQ(Window()->CurrentFolder(), "c:\\Program Files\\Vellmar\\main");

  Press("Command1");

  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(Text15(), "c:\\Program Files\\Vellmar\\main");
  EXPECT_EQ(form->AutoexecFolder(), "c:\\Program Files\\Vellmar\\main");
  EXPECT_EQ(Window(), nullptr) << "the window closed and is gone";
}

TEST_F(Locator, OkWithoutAutoexecSaysSoAndStaysOpen) {
  Open();
  DoubleClick("Program Files");

  Press("Command1");

  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "Sorry, can't find the autoexec.cfg file in that folder");
  EXPECT_EQ(dialogs.boxes[0].title, "File not found");
  EXPECT_EQ(dialogs.boxes[0].style, 16);
  EXPECT_EQ(Text15(), "c:\\program files\\Vellmar\\main");
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Program Files");
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

TEST_F(Locator, OkTestsTheOpenedFolderNotTheHighlightedOne) {
  fs::current_path(disk / "Program Files" / "Vellmar");
  Open();
  Highlight("main");
  ASSERT_EQ(Dir1()->currentItem(), Item("main"));
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Program Files\\Vellmar");

  Press("Command1");
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "File not found");
  EXPECT_EQ(Text15(), "c:\\program files\\Vellmar\\main");

  DoubleClick("main");
  Press("Command1");
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(Text15(), "c:\\Program Files\\Vellmar\\main");
}

TEST_F(Locator, CancelAndTheCloseControlLeaveText15Alone) {
  Open();
  for (const char* name : {"Program Files", "Vellmar", "main"}) DoubleClick(name);
  Press("Command2");
  EXPECT_EQ(Window(), nullptr);

  Open();
  DoubleClick("Binds");
  Window()->close();
  EXPECT_EQ(Window(), nullptr);

  EXPECT_EQ(Text15(), "c:\\program files\\Vellmar\\main");
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Locator, DotsOpensOneWindowAndBringsItBack) {
  Form2* first = Open();
  DoubleClick("Binds");
  EXPECT_EQ(Open(), first);
  EXPECT_EQ(form->findChildren<Form2*>().size(), 1);
  EXPECT_EQ(first->CurrentFolder(), "c:\\Binds") << "the open window keeps its state";

  Press("Command2");
  Form2* fresh = Open();
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->CurrentFolder(), "c:\\") << "a new window starts afresh";
}

TEST_F(Locator, ADriveThatCannotBeEnteredIsReportedAndTheFoldersStay) {
  TempFolder other;
  fs::create_directory(other / "games");
  drives.SetDrive('d', disk / "no such drive");
  drives.SetDrive('e', other.path());
  Open();
  DoubleClick("Binds");
  ASSERT_EQ(Drive1()->count(), 3);

  Drive1()->setCurrentIndex(Drive1()->findText("d:"));

  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "Device is unavailable");
  EXPECT_EQ(dialogs.boxes[0].title, "Drive Error");
  EXPECT_EQ(dialogs.boxes[0].style, 16);
  EXPECT_EQ(Drive1()->currentText(), "d:");
  EXPECT_EQ(Window()->CurrentFolder(), "c:\\Binds");
  EXPECT_EQ(Dir1Rows(), QStringList({"c:\\", "  Binds"}));

  Drive1()->setCurrentIndex(Drive1()->findText("e:"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(Window()->CurrentFolder(), "e:\\");
  EXPECT_EQ(Dir1Rows(), QStringList({"e:\\", "  games"}));
}

}  // namespace
}  // namespace vbe

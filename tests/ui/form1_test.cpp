#include "ui/form1.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "core/bind_file.h"
#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/bind_text.h"
#include "ui/control_table.h"

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::RecordingAudio;
using testing::ScriptedDialogs;
using testing::TempFolder;

// The real main window over drive c: in a fresh folder, with a scripted user.
class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    DriveTable drives;
    drives.SetDrive('c', disk.path());
    form = std::make_unique<Form1>(Form1Host{drives, &dialogs, [this] { ++program_ends; }, &audio});
  }

  template <typename T = QWidget>
  T* Control(const char* name) {
    T* control = form->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLineEdit* Editor(int k) { return Control<QLineEdit>(QString("Text%1").arg(k).toUtf8()); }
  void ShowAndFocus() {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  TempFolder disk;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  int program_ends = 0;
  std::unique_ptr<Form1> form;
};

TEST_F(MainWindow, PlacesEveryControlAsItsRowSays) {
  EXPECT_EQ(form->size(), QSize(696, 447));
  for (const ControlRow& row : MainWindowControls()) {
    SCOPED_TRACE(row.name);
    QWidget* control = Control(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(row.left / 15, row.top / 15, row.width / 15,
                                         row.height / 15));
    EXPECT_EQ(control->isHidden(), !row.visible);
    EXPECT_EQ(control->isEnabled(), row.enabled);
    const QString caption = QString::fromLatin1(row.caption);
    QString shown = caption;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) shown = button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) shown = edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control)) shown = combo->currentText();
    EXPECT_EQ(shown, caption);
  }
}

TEST_F(MainWindow, StartsWithTheLayoutsInitialState) {
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Editor(k)->text(), "");
    EXPECT_EQ(Editor(k)->maxLength(), 36);
    EXPECT_FALSE(Editor(k)->isReadOnly());
    EXPECT_TRUE(Editor(k)->font().fixedPitch());
  }
  EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
  EXPECT_FALSE(Control<QRadioButton>("Option2")->isChecked());
  EXPECT_EQ(Control<QCheckBox>("Check1")->checkState(), Qt::Checked);
  EXPECT_EQ(Control<QCheckBox>("Check2")->checkState(), Qt::Unchecked);
  EXPECT_TRUE(Control<QPlainTextEdit>("Text14")->isReadOnly());
  EXPECT_EQ(Control<QPlainTextEdit>("Text14")->toPlainText(), "");
  EXPECT_TRUE(Control<QLineEdit>("Text15")->isReadOnly());
  EXPECT_EQ(form->AutoexecFolder(), "c:\\program files\\Vellmar\\main");
  EXPECT_EQ(form->Key(), "Choose your key");
  EXPECT_EQ(form->FileName(), "");
  EXPECT_FALSE(form->AddToAutoexec());
  EXPECT_EQ(form->Colour(), TextColour::White);
  EXPECT_TRUE(Control<QLabel>("Label1")->font().bold());
  EXPECT_EQ(Control<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(192, 192, 0));
  EXPECT_EQ(Control<QRadioButton>("Option2")->palette().color(QPalette::WindowText),
            QColor(255, 255, 0));
  EXPECT_EQ(Control<QToolButton>("Command1")->iconSize(), QSize(32, 32));
  EXPECT_FALSE(Control<QToolButton>("Command1")->icon().isNull());
  EXPECT_EQ(form->windowTitle(), "Vellmar Bind Editor");
  EXPECT_FALSE(form->windowIcon().isNull());
  EXPECT_EQ(form->CommonDialog1().NameFilters(),
            QStringList({"Config files (*.cfg)", "All Files (*.*)"}));
}

TEST_F(MainWindow, FocusStartsOnNewAndTabFollowsTheLayout) {
  ShowAndFocus();
  EXPECT_EQ(QApplication::focusWidget(), Control("Command1"));
  const char* expected[] = {"Command3", "Command4", "Text1",    "Text2",    "Text3",
                            "Text4",    "Text5",    "Text6",    "Text7",    "Text8",
                            "Option1",  "Text14",   "Command6", "Text15",   "Check2",
                            "Combo1",   "Command7", "Command8", "Command9", "Command1"};
  for (const char* name : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }
}

TEST_F(MainWindow, LineEditorsTakeAtMost36CharactersOfTheCodePage) {
  ShowAndFocus();
  QLineEdit* editor = Editor(3);
  editor->setFocus();
  QTest::keyClicks(editor, QString(36, 'x'));
  QTest::keyClick(editor, Qt::Key_Y);
  EXPECT_EQ(editor->text(), QString(36, 'x'));

  editor->clear();
  QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString::fromUtf16(u"\u3042"), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString::fromUtf16(u"\u00E9"), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString::fromUtf16(u"\u2026"), Qt::NoModifier);
  EXPECT_EQ(editor->text(), QString::fromUtf16(u"\u00E9\u25A0"));
  EXPECT_EQ(form->Line(3), "\xE9\x85");
}

TEST_F(MainWindow, AccessKeysReachTheirButtons) {
  ShowAndFocus();
  for (const auto& [key, name] : {std::pair{Qt::Key_N, "Command1"}, std::pair{Qt::Key_O, "Command3"},
                                  std::pair{Qt::Key_S, "Command4"}, std::pair{Qt::Key_X, "Command6"}}) {
    QSignalSpy clicks(Control<QAbstractButton>(name), &QAbstractButton::clicked);
    QTest::keyClick(form.get(), key, Qt::AltModifier);
    EXPECT_TRUE(clicks.wait(1000) || clicks.count() == 1) << name;
  }
  EXPECT_EQ(dialogs.boxes.size(), 1u) << "New asked its question";
  ASSERT_EQ(dialogs.file_requests.size(), 2u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Open);
  EXPECT_EQ(dialogs.file_requests[1].mode, FileDialogMode::Save);
  EXPECT_EQ(program_ends, 1);
}

TEST_F(MainWindow, NewEmptiesTheLinesOnlyOnYes) {
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(QString("line %1").arg(k));
    Control<QRadioButton>("Option2")->setChecked(true);
    dialogs.answers = {answer};
    Control<QAbstractButton>("Command1")->click();
    for (int k = 1; k <= 8; ++k) {
      EXPECT_EQ(Editor(k)->text(), answer == Answer::Yes ? "" : QString("line %1").arg(k));
    }
    EXPECT_EQ(form->Colour(), TextColour::Yellow);
  }
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[2].title, "WaRnInG!");
}

TEST_F(MainWindow, SavesWhatWasTypedByteForByte) {
  ShowAndFocus();
  const QString typed[8] = {"one", "two", "three", "", "  five", "six  ", "", "eight"};
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setFocus();
    QTest::keyClicks(Editor(k), typed[k - 1]);
  }
  QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
  ASSERT_EQ(form->Colour(), TextColour::Yellow);
  dialogs.file_choices = {"c:\\typed.cfg"};

  QTest::mouseClick(Control<QAbstractButton>("Command4"), Qt::LeftButton);

  const BindLines lines = {"one", "two", "three", "", "  five", "six  ", "", "eight"};
  EXPECT_EQ(ReadBytes(disk / "typed.cfg"),
            ComposeBindFile(*ComposeSayLines(lines, TextColour::Yellow)));
  EXPECT_EQ(form->FileName(), "c:\\typed.cfg");
}

TEST_F(MainWindow, ExitAndTheCloseControlEndTheProgramOnce) {
  Control<QAbstractButton>("Command6")->click();
  EXPECT_EQ(program_ends, 1);
  form->close();
  EXPECT_EQ(program_ends, 1);

  DriveTable drives;
  int ends = 0;
  Form1 other(Form1Host{drives, &dialogs, [&ends] { ++ends; }, &audio});
  other.show();
  other.close();
  EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace vbe

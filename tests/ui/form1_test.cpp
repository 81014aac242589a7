#include "ui/form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

#include "core/bind_file.h"
#include "sound/command_interpreter.h"
#include "ui/bind_text.h"
#include "ui/control_table.h"
#include "ui/main_window_fixture.h"
#include "ui/qt_audio.h"

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using MainWindow = testing::MainWindowTest;

std::string BindFile(const BindLines& lines, TextColour colour) {
  return ComposeBindFile(*ComposeSayLines(lines, colour));
}

TEST_F(MainWindow, PlacesEveryControlAsItsRowSaysAndStartsInTheInitialState) {
  EXPECT_EQ(form->size(), QSize(696, 447));
  for (const ControlRow& row : MainWindowControls()) {
    QWidget* control = Control(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(row.left / 15, row.top / 15, row.width / 15,
                                         row.height / 15)) << row.name;
    EXPECT_EQ(control->isHidden(), !row.visible) << row.name;
    EXPECT_EQ(control->isEnabled(), row.enabled) << row.name;
  }
  EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
  EXPECT_EQ(Control<QCheckBox>("Check1")->checkState(), Qt::Checked);
  for (const char* hidden : {"Check1", "Command2", "Command5"}) {
    EXPECT_TRUE(Control(hidden)->isHidden()) << hidden;
  }
  EXPECT_FALSE(Control("Command5")->isEnabled());
  auto* combo = Control<QComboBox>("Combo1");
  EXPECT_EQ(form->Key(), "Choose your key");
  EXPECT_EQ(combo->currentIndex(), -1) << "the prompt, no entry, is shown";
  ASSERT_EQ(combo->count(), 76);
  EXPECT_EQ(combo->itemText(0), "a");
  EXPECT_EQ(combo->itemText(75), "MWHEELUP");
  EXPECT_EQ(Control<QLineEdit>("Text15")->text(), "c:\\program files\\Vellmar\\main");
}

TEST_F(MainWindow, FocusStartsOnNewAndTabFollowsTheLayout) {
  ShowAndFocus();
  EXPECT_EQ(QApplication::focusWidget(), Control("Command1"));
  for (const char* name : {"Command3", "Command4", "Text1", "Text2", "Text3", "Text4", "Text5",
                           "Text6", "Text7", "Text8", "Option1", "Text14", "Command6", "Text15",
                           "Check2", "Combo1", "Command7", "Command8", "Command9", "Command1"}) {
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
  for (char16_t typed : {u'\u3042', u'\u00E9', u'\u2026'}) {
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(QChar(typed)), {});
  }
  EXPECT_EQ(editor->text(), QString::fromUtf16(u"\u00E9\u25A0"));
  EXPECT_EQ(form->Line(3), "\xE9\x85");
}

TEST_F(MainWindow, AccessKeysReachTheirButtons) {
  ShowAndFocus();
  for (const auto& [key, name] : {std::pair{Qt::Key_N, "Command1"}, {Qt::Key_O, "Command3"},
                                  {Qt::Key_S, "Command4"}, {Qt::Key_X, "Command6"}}) {
    QSignalSpy clicks(Control<QAbstractButton>(name), &QAbstractButton::clicked);
    QTest::keyClick(form.get(), key, Qt::AltModifier);
    EXPECT_TRUE(clicks.count() == 1 || clicks.wait(1000)) << name;
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
    dialogs.answers = {answer};
    Click("Command1");
    for (int k = 1; k <= 8; ++k) {
      EXPECT_EQ(Editor(k)->text(), answer == Answer::Yes ? "" : QString("line %1").arg(k));
    }
  }
  EXPECT_EQ(dialogs.boxes.size(), 3u);
}

TEST_F(MainWindow, SavesWhatWasTypedByteForByte) {
  ShowAndFocus();
  const BindLines typed = {"one", "two", "three", "", "  five", "six  ", "", "eight"};
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setFocus();
    QTest::keyClicks(Editor(k), QString::fromStdString(typed[k - 1]));
  }
  QTest::mouseClick(Control("Option2"), Qt::LeftButton);
  dialogs.file_choices = {"c:\\typed.cfg"};
  QTest::mouseClick(Control("Command4"), Qt::LeftButton);
  EXPECT_EQ(ReadBytes(disk / "typed.cfg"), BindFile(typed, TextColour::Yellow));
  EXPECT_EQ(form->FileName(), "c:\\typed.cfg");
}

TEST_F(MainWindow, ExitAndTheCloseControlEndTheProgramOnce) {
  Click("Command6");
  form->close();
  EXPECT_EQ(program_ends, 1);
  Build();
  form->show();
  form->close();
  EXPECT_EQ(program_ends, 2);
}

TEST_F(MainWindow, OpenFillsTheEditorsAndSelectsTheFilesColour) {
  const BindLines art = {"   /\\_/\\", "  ( o.o )", "   > ^ <", "", "\x85Vellmar", "", "", "!"};
  for (TextColour colour : {TextColour::Yellow, TextColour::White}) {
    WriteBytes(disk / "cat.cfg", BindFile(art, colour));
    for (int k = 1; k <= 8; ++k) Editor(k)->setText("old");
    dialogs.file_choices = {"c:\\cat.cfg"};
    Click("Command3");
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), art[k - 1]) << k;
    EXPECT_EQ(Control<QRadioButton>("Option1")->isChecked(), colour == TextColour::White);
    EXPECT_EQ(Control<QRadioButton>("Option2")->isChecked(), colour == TextColour::Yellow);
  }
  EXPECT_EQ(Editor(5)->text(), QString::fromUtf16(u"\u25A0Vellmar"));
}

TEST_F(MainWindow, EveryCharacterTypedSurvivesSaveAndOpen) {
  // Every byte from 0x20 to 0xFF but the double quote, typed key by key (the few control
  // characters, which no keyboard types, pasted); no line ends in a space, which is padding.
  BindLines typed;
  for (int b = 0x20, i = 0; b <= 0xFF; ++b) {
    if (b != '"') typed[i++ % 8] += static_cast<char>(b);
  }
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setFocus();
    for (char c : typed[k - 1]) {
      const QString text = BindTextToQString(std::string(1, c));
      if (text[0].isPrint()) {
        QTest::sendKeyEvent(QTest::Click, Editor(k), Qt::Key_unknown, text, Qt::NoModifier);
      } else {
        Editor(k)->insert(text);
      }
    }
    ASSERT_EQ(form->Line(k), typed[k - 1]) << "typing line " << k;
  }
  dialogs.file_choices = {"c:\\all.cfg", "c:\\all.cfg"};
  Click("Command4");
  dialogs.answers = {Answer::Yes};
  Click("Command1");
  ASSERT_EQ(form->Line(1), "");
  Click("Command3");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), typed[k - 1]) << k;
  EXPECT_EQ(dialogs.boxes.size(), 1u) << "only New's question was shown";
}

TEST_F(MainWindow, TheHiddenStopButtonAndExitSendTheirCues) {
  Click("Command2");
  EXPECT_EQ(audio.commands, (std::vector<std::string>{"stop sound", "close sound"}));
  audio.commands.clear();
  Click("Command6");
  EXPECT_EQ(audio.commands, (std::vector<std::string>{
                                "stop sound", "close sound",
                                "open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound",
                                "play sound"}));
}

TEST_F(MainWindow, TheHostAudioIsMadeOnTheFirstCueAndPlaysAGeneratedWav) {
  Build(true, false);
  EXPECT_FALSE(form->AudioStarted());
  Click("Command2");
  EXPECT_TRUE(form->AudioStarted());

  // A mono 8 kHz WAV file of a short tone.
  auto le = [](std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
  };
  std::string wav = "RIFF" + le(836, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                    le(8000, 4) + le(8000, 4) + le(1, 2) + le(8, 2) + "data" + le(800, 4);
  for (int i = 0; i < 800; ++i) wav += static_cast<char>(i % 16 < 8 ? 0x30 : 0xD0);
  std::filesystem::create_directories(disk / "Windows" / "Media");
  WriteBytes(disk / "Windows" / "Media" / "robot~18.wav", wav);
  const auto host = MakeAudioBackend(drives);
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->SendCommand("open waveaudio!c:\\windows\\media\\robot~18.wav alias sound"), 0);
  host->SendCommand("play sound");  // no sound device here: whatever it answers, no harm
  EXPECT_EQ(host->SendCommand("close sound"), 0);
  EXPECT_EQ(host->SendCommand("open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound"),
            AudioError::FileNotFound);
  EXPECT_EQ(host->SendCommand("play sound"), AudioError::NotOpen);
}

TEST_F(MainWindow, ThePickedOrTypedTextIsTheKey) {
  auto* combo = Control<QComboBox>("Combo1");
  combo->setCurrentIndex(combo->findText("KP_PAGEDOWN"));
  EXPECT_EQ(form->Key(), "KP_PAGEDOWN");
  ShowAndFocus();
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), " F1 ");
  EXPECT_EQ(form->Key(), " F1 ") << "taken as typed, not trimmed";
}

}  // namespace
}  // namespace vbe

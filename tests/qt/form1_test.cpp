#include "qt/form1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

#include "core/preview.h"
#include "sound/command_interpreter.h"
#include "support/editor_fixture.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"
#include "qt/main_window_fixture.h"
#include "qt/qt_audio.h"
#include "qt/qt_dialogs.h"

namespace vbe {
namespace {

using testing::BindBytes;
using testing::ReadBytes;
using testing::WhenModalOpens;
using testing::WriteBytes;
using MainWindow = testing::MainWindowTest;

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
  for (auto name : {"Check1", "Command2", "Command5"}) EXPECT_TRUE(Control(name)->isHidden());
  EXPECT_FALSE(Control("Command5")->isEnabled());
  auto* combo = Control<QComboBox>("Combo1");
  EXPECT_EQ(form->Key(), "Choose your key");
  EXPECT_EQ(combo->currentIndex(), -1) << "the prompt, no entry, is shown";
  ASSERT_EQ(combo->count(), 76);
  EXPECT_EQ(combo->itemText(26), "\\") << "in the catalogue's order";
  EXPECT_EQ(Control<QLineEdit>("Text15")->text(), "c:\\program files\\Vellmar\\main");
}

TEST_F(MainWindow, TabFollowsTheLayoutFromNewAndAccessKeysReachTheirButtons) {
  ShowAndFocus();
  EXPECT_EQ(QApplication::focusWidget(), Control("Command1"));
  for (const char* name : {"Command3", "Command4", "Text1", "Text2", "Text3", "Text4", "Text5",
                           "Text6", "Text7", "Text8", "Option1", "Text14", "Command6", "Text15",
                           "Check2", "Combo1", "Command7", "Command8", "Command9", "Command1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }
  for (const auto& [key, name] : {std::pair{Qt::Key_N, "Command1"}, {Qt::Key_O, "Command3"},
                                  {Qt::Key_S, "Command4"}, {Qt::Key_X, "Command6"}}) {
    QSignalSpy clicks(Control<QAbstractButton>(name), &QAbstractButton::clicked);
    QTest::keyClick(form.get(), key, Qt::AltModifier);
    EXPECT_TRUE(clicks.count() == 1 || clicks.wait(1000)) << name;
  }
}

TEST_F(MainWindow, EditorsTakeAtMost36CharactersOfTheCodePage) {
  ShowAndFocus();
  Editor(3)->setFocus();
  for (char16_t typed : {u'\u3042', u'\u00E9', u'\u2026'}) {
    QTest::sendKeyEvent(QTest::Click, Editor(3), Qt::Key_unknown, QString(QChar(typed)), {});
  }
  EXPECT_EQ(Editor(3)->text(), QString::fromUtf16(u"\u00E9\u25A0")) << "the kana refused";
  QTest::keyClicks(Editor(3), QString(35, 'x'));
  EXPECT_EQ(form->Line(3), "\xE9\x85" + std::string(34, 'x')) << "the 37th refused";
}

TEST_F(MainWindow, EveryCharacterTypedSurvivesSaveAndOpenAndNewEmptiesTheLinesOnlyOnYes) {
  // Bytes 0x20 to 0xFF but the double quote, typed (control characters pasted); no line ends
  // in a space, which is padding.
  BindLines typed;
  for (int b = 0x20, i = 0; b <= 0xFF; ++b) {
    if (b != '"') typed[i++ % 8] += static_cast<char>(b);
  }
  ShowAndFocus();
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setFocus();
    for (char c : typed[k - 1]) {
      const QString text = BindTextToQString(std::string(1, c));
      text[0].isPrint() ? QTest::sendKeyEvent(QTest::Click, Editor(k), Qt::Key_unknown, text, {})
                        : Editor(k)->insert(text);
    }
  }
  QTest::mouseClick(Control("Option2"), Qt::LeftButton);
  dialogs.file_choices = {disk / "all.cfg", disk / "all.cfg", disk / "white.cfg"};
  Click("Command4");
  EXPECT_EQ(ReadBytes(disk / "all.cfg"), BindBytes(typed, TextColour::Yellow));
  dialogs.answers = {Answer::No, Answer::Cancel, Answer::Yes};
  for (int answer = 0; answer < 3; ++answer) {
    Click("Command1");
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), answer < 2 ? typed[k - 1] : "") << k;
  }
  EXPECT_EQ(dialogs.boxes, testing::Boxes(3, {"Start a new file? Are you sure?", "WaRnInG!", 19}));
  Click("Option1");
  Click("Command3");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), typed[k - 1]) << k;
  EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());

  const BindLines art = {"  ( o.o )", "", "\x85Vellmar", "", "", "", "", "!"};
  WriteBytes(disk / "white.cfg", BindBytes(art, TextColour::White));
  Click("Command3");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), art[k - 1]) << k;
  EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
}

// Whatever goes wrong inside a command, the window stays and says so.
TEST_F(MainWindow, ACommandThatThrowsIsStoppedWithAMessageAndTheLinesStay) {
  form->SetLine(1, "keep me");
  dialogs.on_file_dialog = [] { throw std::runtime_error("the disk went away"); };
  Click("Command4");
  EXPECT_EQ(dialogs.boxes,
            testing::Boxes({{"The command stopped: the disk went away", "Error", 16}}));
  EXPECT_EQ(form->Line(1), "keep me");
  EXPECT_EQ(program_ends, 0);
}

TEST_F(MainWindow, TheHiddenStopButtonAndExitSendTheirCuesAndExitEndsTheProgramOnce) {
  Click("Command2");
  EXPECT_EQ(audio.commands, (std::vector<std::string>{"stop sound", "close sound"}));
  Click("Command6");
  EXPECT_EQ(audio.commands, (std::vector<std::string>{
                                "stop sound", "close sound", "stop sound", "close sound",
                                "open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound",
                                "play sound"}));
  form->close();
  EXPECT_EQ(program_ends, 1);
  Build();
  form->close();
  EXPECT_EQ(program_ends, 2) << "the close control alone";
}

TEST_F(MainWindow, TheHostAudioIsMadeOnTheFirstCueAndLoadsAGeneratedWav) {
  Build(true, false);
  EXPECT_FALSE(form->AudioStarted());
  Click("Command2");
  EXPECT_TRUE(form->AudioStarted());

  // A mono 8 kHz 8-bit WAV file of 800 samples.
  const char header[] = "RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                        "\x01\0\x08\0data\x20\x03\0\0";
  std::filesystem::create_directories(disk / "Windows" / "Media");
  WriteBytes(disk / "Windows" / "Media" / "robot~18.wav",
             std::string(header, sizeof header - 1) + std::string(800, '\x30'));
  const auto host = MakeAudioBackend(drives);
  EXPECT_EQ(host->SendCommand("open waveaudio!c:\\windows\\media\\robot~18.wav alias sound"), 0);
  // Without a sound device the play fails; the test ends while the cue would be playing, as
  // the program does after its exit cue.
  host->SendCommand("play sound");

  // A file that is no WAV is refused when it is opened, not later.
  WriteBytes(disk / "Windows" / "Media" / "robot~15.wav", "RIFF\x04\0\0\0WAVEjunk");
  EXPECT_EQ(host->SendCommand("open waveaudio!c:\\windows\\media\\robot~15.wav alias sound"),
            AudioError::DeviceFailed);
}

const QString kSquare = QString::fromUtf16(u"\u25A0");

using LineEditors = MainWindow;

TEST_F(LineEditors, PreviewFollowsTypingOnlyWhileAutoPreviewIsCheckedAndTheOptionsColourIt) {
  ShowAndFocus();
  auto* check1 = Control<QCheckBox>("Check1");
  const QString rows = kSquare + " a \n   \n%1\n\n\n\n\n";
  // A click steps Check1 through cleared (0), greyed (2) and checked (1).
  for (const auto& [state, on] :
       {std::pair{Qt::Unchecked, false}, {Qt::PartiallyChecked, false}, {Qt::Checked, true}}) {
    SetLines({kSquare + " a ", "   "});
    check1->click();
    ASSERT_EQ(check1->checkState(), state);
    EXPECT_EQ(Control("Command5")->isEnabled(), !on) << state;
    Editor(3)->setFocus();
    QTest::keyClick(Editor(3), Qt::Key_Z);
    EXPECT_EQ(PreviewText(), rows.arg(on ? "z" : "")) << state;
  }

  // Off: the stale preview is only recoloured, until Update Preview recomposes it.
  check1->click();
  SetLines({"stale"});
  for (const auto& [option, colour] : {std::pair{"Option2", Qt::yellow}, {"Option1", Qt::white}}) {
    QTest::mouseClick(Control(option), Qt::LeftButton);
    EXPECT_EQ(Control("Text14")->palette().color(QPalette::Text), QColor(colour)) << option;
  }
  EXPECT_EQ(PreviewText(), rows.arg("z"));
  Click("Command5");
  EXPECT_EQ(PreviewText(), "stale\n\n\n\n\n\n\n");
}

// Auto Preview follows an edit by replacing the changed line's row only; whatever the edits,
// the preview must end up exactly as a full recomposition would show it.
TEST_F(LineEditors, AfterEveryEditTheAutoPreviewEqualsAFullRecompositionOfTheLines) {
  ShowAndFocus();
  auto focus = [this](int k) {
    Editor(k)->setFocus();
    return Editor(k);
  };
  auto type = [&](int k, const QString& text) { QTest::keyClicks(focus(k), text); };
  auto press = [&](int k, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(focus(k), key, modifiers);
  };
  auto send = [&](int k, char16_t character) {
    QTest::sendKeyEvent(QTest::Click, focus(k), Qt::Key_unknown, QString(QChar(character)), {});
  };
  auto paste = [&](int k, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    press(k, Qt::Key_V, Qt::ControlModifier);
  };
  auto click_check1 = [this] { Control<QCheckBox>("Check1")->click(); };

  struct Step {
    const char* what;
    std::function<void()> act;
    bool auto_preview;  // off: the preview keeps what it showed before the step
  };
  const Step steps[] = {
      {"type into line 1", [&] { type(1, "hello"); }, true},
      {"type into line 8", [&] { type(8, "bottom row"); }, true},
      {"paste into line 3", [&] { paste(3, "pasted /\\_/\\"); }, true},
      {"type into line 2", [&] { type(2, "two"); }, true},
      {"paste over all of line 1",
       [&] {
         press(1, Qt::Key_A, Qt::ControlModifier);
         paste(1, "replaced");
       },
       true},
      {"Backspace in line 8", [&] { press(8, Qt::Key_Backspace); }, true},
      {"Delete at the start of line 3",
       [&] {
         press(3, Qt::Key_Home);
         press(3, Qt::Key_Delete);
       },
       true},
      {"line 1 emptied",
       [&] {
         press(1, Qt::Key_A, Qt::ControlModifier);
         press(1, Qt::Key_Backspace);
       },
       true},
      {"a line of spaces in line 5", [&] { type(5, "     "); }, true},
      {"the spacing mark typed into line 4", [&] { send(4, u'\u25A0'); }, true},
      {"an ellipsis typed into line 4 becomes the mark", [&] { send(4, u'\u2026'); }, true},
      {"Option2 selected, then line 6 typed",
       [&] {
         QTest::mouseClick(Control("Option2"), Qt::LeftButton);
         type(6, "yellow");
       },
       true},
      {"Auto Preview cleared", click_check1, false},
      {"line 2 typed while cleared", [&] { type(2, " more"); }, false},
      {"line 7 pasted while cleared", [&] { paste(7, "  late"); }, false},
      {"Auto Preview greyed", click_check1, false},
      {"line 5 emptied while greyed",
       [&] {
         press(5, Qt::Key_A, Qt::ControlModifier);
         press(5, Qt::Key_Delete);
       },
       false},
      {"Auto Preview checked again, then one key in line 8",
       [&] {
         click_check1();
         type(8, "!");
       },
       true},
      {"Option1 selected, then line 7 typed",
       [&] {
         QTest::mouseClick(Control("Option1"), Qt::LeftButton);
         type(7, "z");
       },
       true},
      {"Backspace in line 2", [&] { press(2, Qt::Key_Backspace); }, true},
  };

  auto* preview = Control<QPlainTextEdit>("Text14");
  QString shown = PreviewText();
  for (const Step& step : steps) {
    step.act();
    if (step.auto_preview) shown = MessageTextToQString(BuildPreviewText(form->Lines()));
    EXPECT_EQ(PreviewText().toStdString(), shown.toStdString()) << step.what;
    EXPECT_EQ(preview->palette().color(QPalette::Text),
              form->Colour() == TextColour::White ? QColor(Qt::white) : QColor(Qt::yellow))
        << step.what;
  }
  // The steps reached what they were meant to: an empty line, spaces, the marks, and the
  // edits made while Auto Preview was off.
  EXPECT_EQ(form->Lines(), (BindLines{"", "two mor", "asted /\\_/\\", "\x85\x85", "", "yellow",
                                      "  latez", "bottom ro!"}));
}

TEST_F(LineEditors, UpAndDownMoveTheFocusBetweenNeighbouringEditorsOnly) {
  ShowAndFocus();
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setText("abcdefgh");
    Editor(k)->setCursorPosition(k - 1);
  }
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> presses[] = {
      {Qt::Key_Down, Qt::NoModifier, +1}, {Qt::Key_Up, Qt::NoModifier, -1},
      {Qt::Key_Down, Qt::ShiftModifier, +1}, {Qt::Key_PageDown, Qt::NoModifier, 0}};
  for (const auto& [key, modifiers, step] : presses) {
    for (int k = 1; k <= 8; ++k) {
      Editor(k)->setFocus();
      QTest::keyClick(Editor(k), key, modifiers);
      EXPECT_TRUE(Editor(std::clamp(k + step, 1, 8))->hasFocus()) << key << " " << modifiers << k;
    }
  }
  for (int k = 1; k <= 8; ++k) {  // each editor keeps its caret, and nothing is selected
    EXPECT_EQ(Editor(k)->cursorPosition(), k - 1) << "Text" << k;
    EXPECT_FALSE(Editor(k)->hasSelectedText());
  }
}

TEST_F(LineEditors, SpacingFixerRecomposesAtEachReplacementAndTheSaveCarriesTheMarks) {
  const QStringList before = {
      "abc", "", "0123456789abcdefghijklmnopqrstuvwxyz", "  art", "", " x", "q", "end"};
  SetLines(before);
  std::vector<QString> previews;
  QObject::connect(Control<QPlainTextEdit>("Text14"), &QPlainTextEdit::textChanged,
                   [this, &previews] { previews.push_back(PreviewText()); });

  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Click("Command9");
  // After the k-th replacement the preview already shows it above the lines still unchanged.
  ASSERT_EQ(previews.size(), 8u);
  QStringList marked;
  BindLines fixed;
  for (int k = 1; k <= 8; ++k) {
    marked << kSquare + before[k - 1].mid(1);
    fixed[k - 1] = "\x85" + before[k - 1].mid(1).toStdString();
    EXPECT_EQ(previews[k - 1], (marked + before.mid(k)).join('\n')) << k;
    EXPECT_EQ(Editor(k)->cursorPosition(), 1) << k;
  }
  dialogs.file_choices = {disk / "fixed.cfg"};
  Click("Command4");
  EXPECT_EQ(testing::ReadBytes(disk / "fixed.cfg"), testing::BindBytes(fixed, TextColour::White));
}

TEST(QtMessageBox, ShowsTheStylesIconButtonsTitleAndRowsAndEscapeCancels) {
  QtUserDialogs dialogs(nullptr);
  WhenModalOpens([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), "WaRnInG!");
    EXPECT_EQ(box->text(), "Line 1 has the \" character\nPlease");
    QStringList buttons;
    for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Cancel", "No", "Yes"}));
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_EQ(dialogs.ShowMessage("Line 1 has the \" character\r\nPlease", "WaRnInG!", 19),
            Answer::Cancel);
}

using QtFileDialog = MainWindow;

TEST_F(QtFileDialog, SavesUnderTheTypedNameAfterAskingToReplaceIt) {
  Build(false, true);
  WriteBytes(disk / "mybind", "old");
  form->SetLine(1, "hello");
  form->SetFileName(disk / "earlier.cfg");
  bool asked = false;
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Config files (*.cfg)", "All Files (*.*)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Config files (*.cfg)");
    WhenModalOpens([&](QWidget* question) {
      auto* box = qobject_cast<QMessageBox*>(question);
      asked = box != nullptr;
      asked ? box->button(QMessageBox::Yes)->click() : void(question->close());
    });
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("mybind");
    static_cast<QDialog*>(dialog)->accept();
  });
  Click("Command4");

  EXPECT_TRUE(asked);
  EXPECT_EQ(form->FileName(), disk / "mybind");
  EXPECT_EQ(ReadBytes(disk / "mybind"),
            BindBytes({"hello", "", "", "", "", "", "", ""}, TextColour::White));
}

}  // namespace
}  // namespace vbe

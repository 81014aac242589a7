#include "qt/form1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

#include "core/preview.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"
#include "qt/main_window_fixture.h"
#include "qt/qt_audio.h"
#include "qt/qt_dialogs.h"
#include "sound/command_interpreter.h"
#include "support/editor_fixture.h"

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
    EXPECT_EQ(control->geometry(),
              QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15))
        << row.name;
    EXPECT_EQ(control->isHidden(), !row.visible) << row.name;
    EXPECT_EQ(control->isEnabled(), row.enabled) << row.name;
  }
  EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
  EXPECT_EQ(Control<QCheckBox>("Check1")->checkState(), Qt::Checked);
  auto* combo = Control<QComboBox>("Combo1");
  EXPECT_EQ(form->Key(), "Choose your key");
  EXPECT_EQ(combo->currentIndex(), -1) << "the prompt, no entry, is shown";
  ASSERT_EQ(combo->count(), 76);
  EXPECT_EQ(combo->itemText(26), "\\") << "in the catalogue's order";
  EXPECT_EQ(Control<QLineEdit>("Text15")->text(), "c:\\program files\\Vellmar\\main");
}

TEST_F(MainWindow, TabFollowsTheLayoutFromNew) {
  ShowAndFocus();
  EXPECT_EQ(QApplication::focusWidget(), Control("Command1"));
  ExpectTabOrder({"Command3", "Command4", "Text1",    "Text2",    "Text3",    "Text4",    "Text5",
                  "Text6",    "Text7",    "Text8",    "Option1",  "Text14",   "Command6", "Text15",
                  "Check2",   "Combo1",   "Command7", "Command8", "Command9", "Command1"});
  EXPECT_EQ(form->Lines(), BindLines{}) << "Tab typed nothing into the editors";
}

class AccessKey : public MainWindow,
                  public ::testing::WithParamInterface<std::pair<Qt::Key, const char*>> {};

TEST_P(AccessKey, ClicksItsButton) {
  const auto [key, name] = GetParam();
  ShowAndFocus();
  QSignalSpy clicks(Control<QAbstractButton>(name), &QAbstractButton::clicked);
  QTest::keyClick(form.get(), key, Qt::AltModifier);
  EXPECT_TRUE(clicks.count() == 1 || clicks.wait(1000)) << name;
}

INSTANTIATE_TEST_SUITE_P(Buttons, AccessKey,
                         ::testing::Values(std::pair{Qt::Key_N, "Command1"},
                                           std::pair{Qt::Key_O, "Command3"},
                                           std::pair{Qt::Key_S, "Command4"},
                                           std::pair{Qt::Key_X, "Command6"}));

TEST_F(MainWindow, EditorsTakeAtMost36TypedCharactersOfTheCodePage) {
  ShowAndFocus();
  Editor(3)->setFocus();
  for (char16_t typed : {u'\u3042', u'\u00E9', u'\u2026'}) {
    QTest::sendKeyEvent(QTest::Click, Editor(3), Qt::Key_unknown, QString(QChar(typed)), {});
  }
  EXPECT_EQ(Editor(3)->text(), QString::fromUtf16(u"\u00E9\u25A0")) << "the kana refused";
  QTest::keyClicks(Editor(3), QString(35, 'x'));
  EXPECT_EQ(form->Line(3), "\xE9\x85" + std::string(34, 'x')) << "the 37th refused";
  Editor(3)->setCursorPosition(1);
  QTest::keyClick(Editor(3), Qt::Key_Q);
  EXPECT_EQ(form->Line(3), "\xE9\x85" + std::string(34, 'x')) << "also within the line";
  EXPECT_EQ(Editor(3)->cursorPosition(), 1);
}

class LockedBox : public MainWindow, public ::testing::WithParamInterface<const char*> {};

// The preview and the folder box take no typing, but their text can be selected and copied.
TEST_P(LockedBox, TakesNoTypingButCanBeSelected) {
  ShowAndFocus();
  SetLines({"preview"});
  QWidget* box = Control(GetParam());
  auto text = [box] {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    return qobject_cast<QPlainTextEdit*>(box)->toPlainText();
  };
  const QString before = text();
  ASSERT_FALSE(before.isEmpty());
  box->setFocus();
  QTest::keyClicks(box, "typed");
  for (auto key : {Qt::Key_Backspace, Qt::Key_Delete}) QTest::keyClick(box, key);
  EXPECT_EQ(text(), before);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  const QString selected = qobject_cast<QLineEdit*>(box)
                               ? qobject_cast<QLineEdit*>(box)->selectedText()
                               : qobject_cast<QPlainTextEdit*>(box)->textCursor().selectedText();
  EXPECT_EQ(selected.size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(PreviewAndFolder, LockedBox, ::testing::Values("Text14", "Text15"));

struct Paste {
  const char16_t* before;
  int from, to;  // the selection the paste replaces; from == to: the caret
  const char16_t* pasted;
  const char16_t* after;
};

class LinePaste : public MainWindow, public ::testing::WithParamInterface<Paste> {};

// The code page's characters and tabs are kept, the first ones that fit in 36.
TEST_P(LinePaste, KeepsWhatTheCodePageCarriesUpTo36) {
  const Paste& paste = GetParam();
  ShowAndFocus();
  Editor(4)->setText(QString::fromUtf16(paste.before));
  Editor(4)->setFocus();
  Editor(4)->setSelection(paste.from, paste.to - paste.from);
  QGuiApplication::clipboard()->setText(QString::fromUtf16(paste.pasted));
  QTest::keyClick(Editor(4), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Editor(4)->text(), QString::fromUtf16(paste.after));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LinePaste,
    ::testing::Values(Paste{u"", 0, 0, u"\U0001F600\U0001F600 Hello world, this is a bind line!!",
                            u" Hello world, this is a bind line!!"},
                      Paste{u"abcdef", 3, 3, u"0123456789012345678901234567890123456789",
                            u"abc012345678901234567890123456789def"},
                      Paste{u"abc old def", 4, 7, u"\U0001F600new\u3042 text", u"abc new text def"},
                      Paste{u"", 0, 0, u"a\tb\t", u"a\tb\t"},
                      Paste{u"", 0, 0, u"a\rb\nc\u0001d\u001Fe\u0000", u"abcde"}));

TEST_F(MainWindow, TabsAreKeptWhenSetAndWhenABindIsOpenedAndSavedAgain) {
  form->SetLine(2, std::string(30, 'a') + "\t" + std::string(9, 'b'));
  EXPECT_EQ(form->Line(2), std::string(30, 'a') + "\t" + std::string(5, 'b')) << "36 kept";
  const BindLines lines = {"a\tb", "\t\tart", "", "", "", "", "", "end\t!"};
  WriteBytes(disk / "tabs.cfg", BindBytes(lines, TextColour::White));
  dialogs.file_choices = {disk / "tabs.cfg", disk / "again.cfg"};
  Click("Command3");
  EXPECT_EQ(form->Line(2), "\t\tart");
  Click("Command4");
  EXPECT_EQ(ReadBytes(disk / "again.cfg"), ReadBytes(disk / "tabs.cfg"));
}

// Bytes 0x20 to 0xFF but the double quote, typed (control characters pasted); no line ends in a
// space, which is padding.
BindLines EveryCharacter() {
  BindLines typed;
  for (int b = 0x20, i = 0; b <= 0xFF; ++b) {
    if (b != '"') typed[i++ % 8] += static_cast<char>(b);
  }
  return typed;
}

TEST_F(MainWindow, EveryCharacterTypedSurvivesSaveAndOpen) {
  const BindLines typed = EveryCharacter();
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
  dialogs.file_choices = {disk / "all.cfg", disk / "all.cfg"};
  Click("Command4");
  EXPECT_EQ(ReadBytes(disk / "all.cfg"), BindBytes(typed, TextColour::Yellow));
  SetLines({});
  Click("Option1");
  Click("Command3");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), typed[k - 1]) << k;
  EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
}

class NewBindAnswer : public MainWindow, public ::testing::WithParamInterface<Answer> {};

TEST_P(NewBindAnswer, EmptiesTheLinesOnlyOnYes) {
  SetLines({"one", "", "three"});
  dialogs.answers = {GetParam()};
  Click("Command1");
  const bool emptied = GetParam() == Answer::Yes;
  EXPECT_EQ(form->Line(1), emptied ? "" : "one");
  EXPECT_EQ(form->Line(3), emptied ? "" : "three");
  EXPECT_EQ(dialogs.boxes, testing::Boxes(1, {"Start a new file? Are you sure?", "WaRnInG!", 19}));
}

INSTANTIATE_TEST_SUITE_P(Answers, NewBindAnswer,
                         ::testing::Values(Answer::No, Answer::Cancel, Answer::Yes));

TEST_F(MainWindow, CheckingTheAutoexecOptionTakesTwoStatesOnly) {
  ShowAndFocus();
  auto* check2 = Control<QCheckBox>("Check2");
  for (Qt::CheckState state : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
    QTest::mouseClick(check2, Qt::LeftButton);
    EXPECT_EQ(check2->checkState(), state);
    EXPECT_EQ(form->AddToAutoexec(), state == Qt::Checked);
  }
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
  EXPECT_EQ(audio.commands,
            (std::vector<std::string>{"stop sound", "close sound", "stop sound", "close sound",
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
  const char header[] =
      "RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
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

using Press = std::tuple<Qt::Key, Qt::KeyboardModifiers, int>;  // key, modifiers, step
class LineNavigation : public MainWindow, public ::testing::WithParamInterface<Press> {};

TEST_P(LineNavigation, MovesTheFocusToTheNeighbouringEditorOnly) {
  const auto [key, modifiers, step] = GetParam();
  ShowAndFocus();
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setText("abcdefgh");
    Editor(k)->setCursorPosition(k - 1);
  }
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setFocus();
    QTest::keyClick(Editor(k), key, modifiers);
    EXPECT_TRUE(Editor(std::clamp(k + step, 1, 8))->hasFocus()) << "from Text" << k;
  }
  for (int k = 1; k <= 8; ++k) {  // each editor keeps its caret, and nothing is selected
    EXPECT_EQ(Editor(k)->cursorPosition(), k - 1) << "Text" << k;
    EXPECT_FALSE(Editor(k)->hasSelectedText());
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, LineNavigation,
                         ::testing::Values(Press{Qt::Key_Down, Qt::NoModifier, +1},
                                           Press{Qt::Key_Up, Qt::NoModifier, -1},
                                           Press{Qt::Key_Down, Qt::ShiftModifier, +1},
                                           Press{Qt::Key_PageDown, Qt::NoModifier, 0}));

TEST_F(LineEditors, SpacingFixerRecomposesThePreviewAtEachReplacement) {
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
  for (int k = 1; k <= 8; ++k) {
    marked << kSquare + before[k - 1].mid(1);
    EXPECT_EQ(previews[k - 1], (marked + before.mid(k)).join('\n')) << k;
    EXPECT_EQ(Editor(k)->cursorPosition(), 1) << k;
  }
}

// Auto Preview follows an edit by replacing the changed line's row only; whatever the edits,
// the preview must end up exactly as a full recomposition would show it.
TEST_F(LineEditors, AfterEveryEditTheAutoPreviewEqualsAFullRecompositionOfTheLines) {
  ShowAndFocus();
  auto focus = [this](int k) {
    Editor(k)->setFocus();
    return Editor(k);
  };
  auto type = [&](int k, const QString& text) { return [=] { QTest::keyClicks(focus(k), text); }; };
  auto press = [&](int k, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return [=] { QTest::keyClick(focus(k), key, modifiers); };
  };
  auto select_all = [&](int k) { return press(k, Qt::Key_A, Qt::ControlModifier); };
  auto send = [&](int k, char16_t c) {
    return [=] {
      QTest::sendKeyEvent(QTest::Click, focus(k), Qt::Key_unknown, QString(QChar(c)), {});
    };
  };
  auto paste = [&](int k, const QString& text) {
    return [=] {
      QGuiApplication::clipboard()->setText(text);
      QTest::keyClick(focus(k), Qt::Key_V, Qt::ControlModifier);
    };
  };
  auto click = [this](const char* name) { return [this, name] { Click(name); }; };

  // A click steps Check1 through cleared, greyed and checked; only checked follows the edits,
  // and an option then only recolours the stale preview, until Update Preview recomposes it.
  struct Step {
    const char* what;
    std::function<void()> act;
    bool recomposed;  // false: the preview keeps what it showed before the step
  };
  const Step steps[] = {
      {"type into line 1", type(1, "hello"), true},
      {"type into line 8", type(8, "bottom row"), true},
      {"paste into line 3", paste(3, "pasted /\\_/\\"), true},
      {"type into line 2", type(2, "two"), true},
      {"select all of line 1", select_all(1), true},
      {"paste over all of line 1", paste(1, "replaced"), true},
      {"Backspace in line 8", press(8, Qt::Key_Backspace), true},
      {"Home in line 3", press(3, Qt::Key_Home), true},
      {"Delete at the start of line 3", press(3, Qt::Key_Delete), true},
      {"select all of line 1 again", select_all(1), true},
      {"line 1 emptied", press(1, Qt::Key_Backspace), true},
      {"a line of spaces in line 5", type(5, "     "), true},
      {"the spacing mark typed into line 4", send(4, u'\u25A0'), true},
      {"an ellipsis typed into line 4 becomes the mark", send(4, u'\u2026'), true},
      {"Option2 selected", click("Option2"), true},
      {"line 6 typed", type(6, "yellow"), true},
      {"Auto Preview cleared", click("Check1"), false},
      {"line 2 typed while cleared", type(2, " more"), false},
      {"line 7 pasted while cleared", paste(7, "  late"), false},
      {"Option1 selected while cleared", click("Option1"), false},
      {"Update Preview while cleared", click("Command5"), true},
      {"Auto Preview greyed", click("Check1"), false},
      {"select all of line 5 while greyed", select_all(5), false},
      {"line 5 emptied while greyed", press(5, Qt::Key_Delete), false},
      {"Auto Preview checked again", click("Check1"), false},
      {"one key in line 8", type(8, "!"), true},
      {"Option2 selected again", click("Option2"), true},
      {"line 7 typed", type(7, "z"), true},
      {"Backspace in line 2", press(2, Qt::Key_Backspace), true},
  };

  auto* preview = Control<QPlainTextEdit>("Text14");
  QString shown = PreviewText();
  for (const Step& step : steps) {
    step.act();
    if (step.recomposed) shown = MessageTextToQString(BuildPreviewText(form->Lines()));
    EXPECT_EQ(PreviewText().toStdString(), shown.toStdString()) << step.what;
    EXPECT_EQ(preview->palette().color(QPalette::Text),
              form->Colour() == TextColour::White ? QColor(Qt::white) : QColor(Qt::yellow))
        << step.what;
    EXPECT_EQ(Control("Command5")->isEnabled(),
              Control<QCheckBox>("Check1")->checkState() != Qt::Checked)
        << step.what;
  }
  // The steps reached what they were meant to: an empty line, spaces, the marks, and the
  // edits made while Auto Preview was off.
  EXPECT_EQ(form->Lines(), (BindLines{"", "two mor", "asted /\\_/\\", "\x85\x85", "", "yellow",
                                      "  latez", "bottom ro!"}));
}

// Every style the editor shows; Escape answers Cancel where the box has one, else OK.
TEST(QtMessageBox, ShowsTheStylesIconButtonsTitleAndRowsAndEscapeCancels) {
  const struct {
    int style;
    QMessageBox::Icon icon;
    QStringList buttons;  // sorted
    Answer escape;
  } cases[] = {
      {16, QMessageBox::Critical, {"OK"}, Answer::Ok},
      {19, QMessageBox::Critical, {"Cancel", "No", "Yes"}, Answer::Cancel},
      {48, QMessageBox::Warning, {"OK"}, Answer::Ok},
      {64, QMessageBox::Information, {"OK"}, Answer::Ok},
      {65, QMessageBox::Information, {"Cancel", "OK"}, Answer::Cancel},
      {67, QMessageBox::Information, {"Cancel", "No", "Yes"}, Answer::Cancel},
  };
  QtUserDialogs dialogs(nullptr);
  for (const auto& c : cases) {
    WhenModalOpens([&c](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->icon(), c.icon) << c.style;
      EXPECT_EQ(box->windowTitle(), "WaRnInG!");
      EXPECT_EQ(box->text(), "Line 1 has the \" character\nPlease");
      QStringList buttons;
      for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
      buttons.sort();
      EXPECT_EQ(buttons, c.buttons) << c.style;
      QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.ShowMessage("Line 1 has the \" character\r\nPlease", "WaRnInG!", c.style),
              c.escape)
        << c.style;
  }
}

// The texts of the dialog's list of file types, as it shows them.
QStringList ShownFileTypes(QFileDialog* dialog, int* selected) {
  for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
    if (box->findText("All Files", Qt::MatchStartsWith) < 0) continue;
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    *selected = box->currentIndex();
    return shown;
  }
  return {};
}

// The names the dialog lists in its folder, once it has read the folder.
QStringList ListedNames(QFileDialog* dialog, qsizetype at_least) {
  // The list of the folder's files, not the list of places beside it.
  QListView* list = nullptr;
  for (QListView* view : dialog->findChildren<QListView*>()) {
    if (view->rootIndex().isValid()) list = view;
  }
  QStringList names;
  if (!list) return names;
  static_cast<void>(QTest::qWaitFor(
      [&] {
        names.clear();
        const QModelIndex folder = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(folder); ++row) {
          names << list->model()->index(row, 0, folder).data().toString();
        }
        return names.size() >= at_least;
      },
      2000));
  names.sort();
  return names;
}

// Runs `act` on the next modal window to open, which must be a file dialog.
void WhenFileDialogOpens(std::function<void(QFileDialog*)> act) {
  WhenModalOpens([act = std::move(act)](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    act(dialog);
  });
}

// As the dialog's Open or Save button does.
void Accept(QFileDialog* dialog) {
  static_cast<QDialog*>(dialog)->accept();
}

// Selects everything in the dialog's focused box and types `name` over it.
void TypeFileName(QFileDialog* dialog, const QString& name) {
  QWidget* box = testing::FocusIn(dialog);
  ASSERT_NE(box, nullptr);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  testing::Type(box, name);
}

class QtFileDialog : public MainWindow {
 protected:
  QtFileDialog() {
    Build(false, true);
    form->SetLine(1, "hello");
  }
  const std::string hello = BindBytes({"hello", "", "", "", "", "", "", ""}, TextColour::White);
};

class QtFileDialogFilters : public QtFileDialog,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(QtFileDialogFilters, OfferConfigFilesFirstThenAllFiles) {
  WhenFileDialogOpens([](QFileDialog* dialog) {
    int selected = -1;
    EXPECT_EQ(ShownFileTypes(dialog, &selected),
              QStringList({"Config files (*.cfg)", "All Files (*.*)"}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(dialog->selectedNameFilter(), "Config files (*.cfg)");
    dialog->reject();
  });
  Click(GetParam());
}

INSTANTIATE_TEST_SUITE_P(OpenAndSave, QtFileDialogFilters,
                         ::testing::Values("Command3", "Command4"));

TEST_F(QtFileDialog, ListsAFileWithoutADotUnderAllFiles) {
  WriteBytes(disk / "greet", hello);
  WriteBytes(disk / "a.cfg", hello);
  form->SetFileName(disk / "a.cfg");
  WhenFileDialogOpens([](QFileDialog* dialog) {
    EXPECT_EQ(ListedNames(dialog, 1), QStringList({"a.cfg"}));
    dialog->selectNameFilter(dialog->nameFilters().value(1));
    EXPECT_EQ(ListedNames(dialog, 2), QStringList({"a.cfg", "greet"}));
    dialog->selectFile("greet");
    Accept(dialog);
  });
  form->SetLine(1, "");
  Click("Command3");
  EXPECT_EQ(form->Line(1), "hello");
}

// A name with a double quote is refused and the dialog stays open; the next name typed, of a file
// that exists, is taken once the user agrees to replace that file.
TEST_F(QtFileDialog, RefusesANameHoldingADoubleQuoteAndStaysOpenThenAsksToReplace) {
  WriteBytes(disk / "mybind", "old");
  form->SetFileName(disk / "earlier.cfg");
  QString message;
  bool stayed_open = false, asked = false;
  WhenFileDialogOpens([&](QFileDialog* dialog) {
    WhenModalOpens([&](QWidget* refusal) {
      auto* box = qobject_cast<QMessageBox*>(refusal);
      ASSERT_NE(box, nullptr);
      message = box->windowTitle() + ": " + box->text();
      EXPECT_EQ(box->icon(), QMessageBox::Critical);
      EXPECT_EQ(box->buttons().size(), 1);
      EXPECT_EQ(box->parentWidget(), dialog);
      QTest::keyClick(box, Qt::Key_Return);
    });
    TypeFileName(dialog, "my\"bind.cfg");
    Accept(dialog);
    stayed_open = dialog->isVisible();
    WhenModalOpens([&](QWidget* question) {
      auto* box = qobject_cast<QMessageBox*>(question);
      asked = box != nullptr;
      asked ? box->button(QMessageBox::Yes)->click() : void(question->close());
    });
    TypeFileName(dialog, "mybind");
    Accept(dialog);
  });
  Click("Command4");

  EXPECT_EQ(message,
            "File Name Error: A file name cannot hold a double quote (\").\n"
            "Please choose another name.");
  EXPECT_TRUE(stayed_open);
  EXPECT_FALSE(std::filesystem::exists(disk / "bind.cfg"));
  EXPECT_TRUE(asked);
  EXPECT_EQ(form->FileName(), disk / "mybind");
  EXPECT_EQ(ReadBytes(disk / "mybind"), hello);
}

class QtFileDialogNextStart
    : public QtFileDialog,
      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

// Names are UTF-8 on the host; the dialog opens in the chosen file's folder with its name.
TEST_P(QtFileDialogNextStart, ShowsTheFileTheUserChose) {
  const QString folder = QString::fromUtf8(GetParam().first);
  const QString name = QString::fromUtf8(GetParam().second);
  const std::filesystem::path chosen = disk / QStringToHostPath(folder) / QStringToHostPath(name);
  std::filesystem::create_directory(chosen.parent_path());
  form->SetFileName(disk / "earlier.cfg");
  WhenFileDialogOpens([&](QFileDialog* dialog) {
    TypeFileName(dialog, folder + "/" + name);
    Accept(dialog);
  });
  Click("Command4");
  ASSERT_EQ(form->FileName(), chosen);
  EXPECT_EQ(ReadBytes(chosen), hello);

  QString started_in, shown_name;
  WhenFileDialogOpens([&](QFileDialog* dialog) {
    started_in = dialog->directory().dirName();
    if (auto* box = qobject_cast<QLineEdit*>(testing::FocusIn(dialog))) shown_name = box->text();
    dialog->reject();
  });
  Click("Command4");
  EXPECT_EQ(started_in, folder);
  EXPECT_EQ(shown_name, name);
}

INSTANTIATE_TEST_SUITE_P(Names, QtFileDialogNextStart,
                         ::testing::Values(std::pair{"binds", "mine.cfg"},
                                           std::pair{"\xC5\x82ukasz",
                                                     "\xC5\x81\xC3\xB3\x64\xC5\xBA.cfg"}));

}  // namespace
}  // namespace vbe

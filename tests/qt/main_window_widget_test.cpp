// The main window as Qt realises it: its controls, their events reaching the behaviour, the
// line filter on every way text enters a line, and the real message box and file dialog.
#include "qt/main_window_widget.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

#include "app/text_filter.h"
#include "core/preview.h"
#include "forms/main_window.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"
#include "qt/locator_widget.h"
#include "qt/main_window_fixture.h"
#include "qt/qt_audio.h"
#include "qt/qt_dialogs.h"
#include "qt/readme_widget.h"
#include "sound/command_interpreter.h"
#include "support/cue_file.h"
#include "support/editor_fixture.h"

namespace vbe {
namespace {

using testing::BindBytes;
using testing::ReadBytes;
using testing::WhenModalOpens;
using testing::WriteBytes;
using testing::WriteExitCue;
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
  EXPECT_TRUE(Control<QRadioButton>(kWhiteOption)->isChecked());
  EXPECT_EQ(Control<QCheckBox>(kAutoPreviewCheck)->checkState(), Qt::Checked);
  auto* combo = Control<QComboBox>(kKeyChooser);
  EXPECT_EQ(Bind().Key(), "Choose your key");
  EXPECT_EQ(combo->currentIndex(), -1) << "the prompt, no entry, is shown";
  ASSERT_EQ(combo->count(), 76);
  EXPECT_EQ(combo->itemText(26), "\\") << "in the catalogue's order";
  EXPECT_EQ(Control<QLineEdit>(kAutoexecFolderBox)->text(), "c:\\program files\\Vellmar\\main");
}

TEST_F(MainWindow, TabFollowsTheLayoutFromNew) {
  ShowAndFocus();
  EXPECT_EQ(QApplication::focusWidget(), Control(kNewButton));
  ExpectTabOrder({"Command3", "Command4", "Text1",    "Text2",    "Text3",    "Text4",    "Text5",
                  "Text6",    "Text7",    "Text8",    "Option1",  "Text14",   "Command6", "Text15",
                  "Check2",   "Combo1",   "Command7", "Command8", "Command9", "Command1"});
  EXPECT_EQ(Bind().Lines(), BindLines{}) << "Tab typed nothing into the editors";
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
                         ::testing::Values(std::pair{Qt::Key_N, kNewButton},
                                           std::pair{Qt::Key_O, kOpenButton},
                                           std::pair{Qt::Key_S, kSaveButton},
                                           std::pair{Qt::Key_X, kExitButton}));

// Each control that carries a command reaches the behaviour with it when clicked.
TEST_F(MainWindow, EveryClickReachesTheBehaviourAsItsRowsCommand) {
  ShowAndFocus();
  auto* preview = Control<QPlainTextEdit>(kPreviewBox);
  struct Reached {
    const char* control;
    std::function<bool()> seen;
  };
  const Reached reached[] = {
      {kNewButton,
       [&] { return dialogs.boxes.size() == 1 && dialogs.boxes[0].title == "WaRnInG!"; }},
      {kStopCueButton,
       [&] {
         return audio.commands == std::vector<std::string>{"stop sound", "close sound"};
       }},
      {kOpenButton,
       [&] {
         return dialogs.file_requests.size() == 1 &&
                dialogs.file_requests[0].mode == FileDialogMode::Open;
       }},
      {kSaveButton,
       [&] {
         return dialogs.file_requests.size() == 1 &&
                dialogs.file_requests[0].mode == FileDialogMode::Save;
       }},
      {kAutoPreviewCheck, [&] { return Control(kUpdatePreviewButton)->isEnabled(); }},
      {kUpdatePreviewButton,
       [&] { return preview->toPlainText() == QString("late") + QString(7, '\n'); }},
      {kYellowOption,
       [&] { return preview->palette().color(QPalette::Text) == QColor(Qt::yellow); }},
      {kWhiteOption, [&] { return preview->palette().color(QPalette::Text) == QColor(Qt::white); }},
      {kSpacingFixerButton,
       [&] {
         return dialogs.boxes.size() == 1 && dialogs.boxes[0].title == "Spacing Fixer Warning";
       }},
      {kLocateButton, [&] { return form->findChild<LocatorWidget*>() != nullptr; }},
      {kReadMeButton,
       [&] {
         return std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget* w) {
           return dynamic_cast<ReadMeWidget*>(w) && w->isVisible();
         });
       }},
      {kExitButton, [&] { return program_ends == 1; }},
  };
  for (const Reached& r : reached) {
    dialogs.boxes.clear();
    dialogs.file_requests.clear();
    audio.commands.clear();
    Click(r.control);
    if (std::string_view(r.control) == kAutoPreviewCheck) Editor(1)->setText("late");
    EXPECT_TRUE(r.seen()) << r.control;
  }
}

class LineEditor : public MainWindow, public ::testing::WithParamInterface<int> {};

TEST_P(LineEditor, Takes36TypedCharactersAndNoMore) {
  ShowAndFocus();
  Editor(GetParam())->setFocus();
  QTest::keyClicks(Editor(GetParam()), QString(37, 'x'));
  EXPECT_EQ(Editor(GetParam())->text(), QString(36, 'x'));
  EXPECT_EQ(Bind().Line(GetParam()), std::string(36, 'x'));
}

INSTANTIATE_TEST_SUITE_P(Text1To8, LineEditor, ::testing::Range(1, 9));

// A refused character, typed or pasted, changes nothing, and Ctrl+Z still steps back.
TEST_F(MainWindow, ARefusedCharacterKeepsTheLinesUndoHistory) {
  ShowAndFocus();
  QLineEdit* editor = Editor(3);
  editor->setFocus();
  QTest::keyClicks(editor, "abc");
  testing::Type(editor, QString::fromUtf16(u"\u263A\u3042"));
  EXPECT_EQ(editor->text(), "abc");
  testing::Type(editor, QString::fromUtf16(u"\u00E9\u2026"));
  EXPECT_EQ(editor->text(), QString::fromUtf16(u"abc\u00E9\u25A0")) << "an ellipsis as the mark";
  QTest::keyClicks(editor, QString(31, 'x'));
  testing::Type(editor, "y");
  EXPECT_EQ(editor->text().size(), 36) << "the 37th refused";
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor->text(), "") << "the typing undone";
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(editor->text().size(), 36) << "and redone";
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
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text(), before);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  const QString selected = qobject_cast<QLineEdit*>(box)
                               ? qobject_cast<QLineEdit*>(box)->selectedText()
                               : qobject_cast<QPlainTextEdit*>(box)->textCursor().selectedText();
  EXPECT_EQ(selected.size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(PreviewAndFolder, LockedBox,
                         ::testing::Values(kPreviewBox, kAutoexecFolderBox));

enum class PasteWay { CtrlV, ShiftInsert, ContextMenu };

// Pastes the clipboard into `editor` the way a user would.
void PasteInto(QLineEdit* editor, PasteWay way) {
  switch (way) {
    case PasteWay::CtrlV:
      QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
      break;
    case PasteWay::ShiftInsert:
      QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
      break;
    case PasteWay::ContextMenu: {
      QContextMenuEvent menu_event(QContextMenuEvent::Mouse, editor->rect().center(),
                                   editor->mapToGlobal(editor->rect().center()));
      QApplication::sendEvent(editor, &menu_event);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      const QList<QAction*> actions = menu->actions();
      const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
        return action->text().startsWith("&Paste");
      });
      ASSERT_NE(paste, actions.end());
      (*paste)->trigger();
      menu->close();
      break;
    }
  }
}

struct Paste {
  const char16_t* before;
  int from, to;  // the selection the paste replaces; from == to: the caret
  const char16_t* pasted;
  const char16_t* after;
};

class LinePaste : public MainWindow,
                  public ::testing::WithParamInterface<std::tuple<PasteWay, Paste>> {};

// The code page's characters and tabs are kept, the first ones that fit in 36, and Ctrl+Z
// takes the paste back.
TEST_P(LinePaste, KeepsWhatTheCodePageCarriesUpTo36) {
  const auto& [way, paste] = GetParam();
  ShowAndFocus();
  Editor(5)->setText(QString::fromUtf16(paste.before));
  Editor(5)->setFocus();
  Editor(5)->setSelection(paste.from, paste.to - paste.from);
  QGuiApplication::clipboard()->setText(QString::fromUtf16(paste.pasted));
  PasteInto(Editor(5), way);
  EXPECT_EQ(Editor(5)->text(), QString::fromUtf16(paste.after));
  QTest::keyClick(Editor(5), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Editor(5)->text(), QString::fromUtf16(paste.before));
}

const char16_t k36[] = u"0123456789abcdefghijklmnopqrstuvwxyz";
const char16_t k33abc[] = u"0123456789abcdefghijklmnopqrstuvwabc";

INSTANTIATE_TEST_SUITE_P(
    WaysAndTexts, LinePaste,
    ::testing::Combine(
        ::testing::Values(PasteWay::CtrlV, PasteWay::ShiftInsert, PasteWay::ContextMenu),
        ::testing::Values(
            Paste{u"", 0, 0, u"X\u0141\u00F3d\u017A\u4E2D\u6587\U0001F600\u0007Y\u2026",
                  u"X\u00F3dY\u25A0"},
            Paste{u"abcdef", 3, 3, u"0123456789012345678901234567890123456789",
                  u"abc012345678901234567890123456789def"},
            Paste{k36, 33, 36, u"abc", k33abc},
            Paste{u"abc old def", 4, 7, u"\U0001F600new\u3042 text", u"abc new text def"},
            Paste{u"", 0, 0, u"c\u0001d\u007Fe\u0081\u009D\tf", u"cde\tf"})));

enum class RowsWay { CtrlV, ShiftInsert, ContextMenu, Drop };

struct ArtPaste {
  const char* name;
  int line;
  const char16_t* pasted;
  BindLines saved;  // the lines as saved, starting from "old1" ... "old8"
  int beeps;
  std::vector<std::string> boxes;
};

class ArtPasteTest : public MainWindow,
                     public ::testing::WithParamInterface<std::tuple<RowsWay, ArtPaste>> {};

// Text art of several rows pasted or dropped into a line fills the lines below it; the bytes
// saved are the lines as shown.
TEST_P(ArtPasteTest, FillsTheLinesBelowAndSavesWhatTheyShow) {
  const auto& [way, art] = GetParam();
  ShowAndFocus();
  for (int k = 1; k <= 8; ++k) Editor(k)->setText(QString("old%1").arg(k));
  QLineEdit* editor = Editor(art.line);
  editor->setFocus();
  editor->setCursorPosition(3);  // "old|k"
  const QString text = QString::fromUtf16(art.pasted);
  if (way == RowsWay::Drop) {
    QMimeData data;
    data.setText(text);
    QPoint at(0, editor->height() / 2);  // after "old"
    while (at.x() < editor->width() && editor->cursorPositionAt(at) < 3) at.rx() += 1;
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor, &drop);
    EXPECT_TRUE(drop.isAccepted());
  } else {
    QGuiApplication::clipboard()->setText(text);
    PasteInto(editor, way == RowsWay::CtrlV         ? PasteWay::CtrlV
                      : way == RowsWay::ShiftInsert ? PasteWay::ShiftInsert
                                                    : PasteWay::ContextMenu);
  }
  std::vector<std::string> boxes;
  for (const auto& box : dialogs.boxes) boxes.push_back(box.title + ": " + box.text);
  EXPECT_EQ(boxes, art.boxes);
  EXPECT_EQ(beeps, art.beeps);
  dialogs.file_choices = {disk / "art.cfg"};
  Click(kSaveButton);
  EXPECT_EQ(ReadBytes(disk / "art.cfg"), BindBytes(art.saved, TextColour::White));
}

INSTANTIATE_TEST_SUITE_P(
    WaysAndArt, ArtPasteTest,
    ::testing::Combine(
        ::testing::Values(RowsWay::CtrlV, RowsWay::ShiftInsert, RowsWay::ContextMenu,
                          RowsWay::Drop),
        ::testing::Values(
            ArtPaste{"eight rows, CR LF, tabs and characters the code page lacks",
                     1,
                     u"/\\_/\\\r\n( o.o )\u263A\r\n\t> ^ <\r\n\u2026\u00E9\u4E2D\r\n"
                     u"0123456789012345678901234567890123456789\r\n\r\n|_|\r\n end  \r\n",
                     {"old/\\_/\\1", "( o.o )", "\t> ^ <", "\x85\xE9",
                      "012345678901234567890123456789012345", "", "|_|", " end  "},
                     1,
                     {}},
            ArtPaste{"three rows with lone line feeds into line 4",
                     4,
                     u"<*>\n-+-\n/ \\",
                     {"old1", "old2", "old3", "old<*>4", "-+-", "/ \\", "old7", "old8"},
                     0,
                     {}},
            ArtPaste{"twelve rows",
                     1,
                     u"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl",
                     {"olda1", "b", "c", "d", "e", "f", "g", "h"},
                     0,
                     {"Paste: Only the first 8 rows fit; the rest were left out."}})),
    [](const auto& info) {
      std::string name = "Way" + std::to_string(static_cast<int>(std::get<0>(info.param))) + "_";
      for (char c : std::string(std::get<1>(info.param).name)) name += std::isalnum(c) ? c : '_';
      return name;
    });

TEST_F(MainWindow, ARefusedCharacterSoundsTheWarningAndAnAcceptedOneDoesNot) {
  ShowAndFocus();
  QLineEdit* editor = Editor(3);
  editor->setFocus();
  testing::Type(editor, "ab");
  EXPECT_EQ(beeps, 0);
  testing::Type(editor, QString::fromUtf16(u"\u263A"));
  EXPECT_EQ(beeps, 1) << "outside the code page";
  editor->setText(QString(36, 'x'));
  testing::Type(editor, "y");
  EXPECT_EQ(beeps, 2) << "a 37th character";
  QGuiApplication::clipboard()->setText(QString::fromUtf16(u"\u0141"));
  Editor(4)->setFocus();
  QTest::keyClick(Editor(4), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(beeps, 3) << "a paste of nothing the line may hold";
  QTest::keyClick(Control<QComboBox>(kKeyChooser)->lineEdit(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(beeps, 4) << "the key chooser's typing box";
  QGuiApplication::clipboard()->setText("ok\t");
  QTest::keyClick(Editor(4), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(beeps, 4);
}

// "Copy bind" puts the eight lines on the clipboard, rows joined by line feeds; Ctrl+C in the
// preview does the same with nothing selected, and copies a selection as it stands.
TEST_F(MainWindow, CopyBindPutsTheEightLinesOnTheClipboard) {
  ShowAndFocus();
  SetLines({"a  ", "", QString::fromUtf16(u"\tb\u25A0"), "", "", "", "", "end "});
  const QString bind = QString::fromUtf16(u"a  \n\n\tb\u25A0\n\n\n\n\nend ");
  auto* preview = Control<QPlainTextEdit>(kPreviewBox);
  QGuiApplication::clipboard()->setText("before");
  emit preview->customContextMenuRequested(preview->rect().center());
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> actions = menu->actions();
  const auto copy_bind = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
    return action->text() == "Copy &bind";
  });
  ASSERT_NE(copy_bind, actions.end());
  (*copy_bind)->trigger();
  menu->close();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), bind);

  QGuiApplication::clipboard()->setText("before");
  preview->setFocus();
  QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), bind);
  QTextCursor cursor = preview->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(1, QTextCursor::KeepAnchor);
  preview->setTextCursor(cursor);
  QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "a");
}

// The hostile paste, saved: the same bytes as on every system.
TEST_F(MainWindow, AShiftInsertPasteOfHostileTextSavesOnlyWhatTheLineShows) {
  ShowAndFocus();
  Editor(5)->setFocus();
  QGuiApplication::clipboard()->setText(
      QString::fromUtf16(u"X\u0141\u00F3d\u017A\u4E2D\u6587\U0001F600\u0007Y\u2026"));
  QTest::keyClick(Editor(5), Qt::Key_Insert, Qt::ShiftModifier);
  dialogs.file_choices = {disk / "hostile.cfg"};
  Click(kSaveButton);
  EXPECT_EQ(ReadBytes(disk / "hostile.cfg"), BindBytes({"", "", "", "",
                                                        "X\xF3"
                                                        "dY\x85",
                                                        "", "", ""},
                                                       TextColour::White));
}

TEST_F(MainWindow, DroppedTextAndAnInputMethodGoThroughTheFilter) {
  ShowAndFocus();
  QLineEdit* editor = Editor(2);
  editor->setText("[]");
  QMimeData data;
  data.setText(QString::fromUtf16(u"a\u263Ab\u0007c\u2026"));
  const QPoint at(editor->width() - 4, editor->height() / 2);  // after "[]"
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(editor->text(), QString::fromUtf16(u"[]abc\u25A0"));

  editor->setFocus();
  QInputMethodEvent input;
  input.setCommitString(QString::fromUtf16(u"\u00E9\u4E2D\u2026"));
  QApplication::sendEvent(editor, &input);
  EXPECT_EQ(editor->text(), QString::fromUtf16(u"[]abc\u25A0\u00E9\u25A0"));
}

TEST_F(MainWindow, TheKeyChooserFiltersItsTextAndTakesNoTypedNameIntoItsList) {
  ShowAndFocus();
  auto* combo = Control<QComboBox>(kKeyChooser);
  QLineEdit* typing = combo->lineEdit();
  typing->setFocus();
  typing->selectAll();
  testing::Type(typing, QString::fromUtf16(u"p\u263A"));
  QTest::keyClick(typing, Qt::Key_Return);
  EXPECT_EQ(combo->count(), 76);
  EXPECT_EQ(Bind().Key(), "p");
  QGuiApplication::clipboard()->setText(QString::fromUtf16(u"\u0007q\u2026"));
  QTest::keyClick(typing, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Bind().Key(), "pq\x85");
}

TEST_F(MainWindow, CheckingTheAutoexecOptionTakesTwoStatesOnly) {
  ShowAndFocus();
  auto* check2 = Control<QCheckBox>(kAutoexecCheck);
  for (Qt::CheckState state : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
    QTest::mouseClick(check2, Qt::LeftButton);
    EXPECT_EQ(check2->checkState(), state);
    EXPECT_EQ(Bind().AddToAutoexec(), state == Qt::Checked);
  }
}

// The close control hides the window at once and the program ends only once the event loop
// has run on to the end of the exit cue's timer; once.
TEST_F(MainWindow, TheCloseControlHidesTheWindowAndEndsOnceTheExitCueHasPlayed) {
  const std::chrono::milliseconds cue(600);
  WriteExitCue(disk.path(), cue);
  form->show();
  QElapsedTimer since_close;
  since_close.start();
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(program_ends, 0);
  EXPECT_EQ(audio.commands.back(), "play sound");
  EXPECT_TRUE(QTest::qWaitFor([&] { return program_ends == 1; }, 10000));
  EXPECT_GE(since_close.elapsed(), cue.count()) << "ended before the cue had played";
  form->close();
  QTest::qWait(50);
  EXPECT_EQ(program_ends, 1);
}

TEST_F(MainWindow, TheHostAudioLoadsAGeneratedWavAndRefusesAFileThatIsNone) {
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

// Check1 steps through cleared, greyed and checked; only checked follows the edits, and
// Update Preview is enabled whenever Check1 is not checked.
TEST_F(MainWindow, AutoPreviewFollowsTheEditsOnlyWhileChecked) {
  auto* check1 = Control<QCheckBox>(kAutoPreviewCheck);
  const std::tuple<Qt::CheckState, const char*, bool> states[] = {
      {Qt::Unchecked, "cleared", false},
      {Qt::PartiallyChecked, "greyed", false},
      {Qt::Checked, "checked", true}};
  for (const auto& [state, name, follows] : states) {
    Click(kAutoPreviewCheck);
    ASSERT_EQ(check1->checkState(), state);
    EXPECT_EQ(Control(kUpdatePreviewButton)->isEnabled(), !follows) << name;
    Editor(2)->setText(name);
    EXPECT_EQ(PreviewText().contains(name), follows) << name;
  }
}

// The preview box replaces one row at a time; through the real controls it must show what a
// full recomposition would.
TEST_F(MainWindow, ThePreviewBoxShowsEachEditAsAFullRecompositionWould) {
  ShowAndFocus();
  auto type = [this](int k, const QString& text) {
    return [this, k, text] {
      Editor(k)->setFocus();
      QTest::keyClicks(Editor(k), text);
    };
  };
  auto press = [this](int k, Qt::Key key) {
    return [this, k, key] { QTest::keyClick(Editor(k), key); };
  };
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"type into line 1", type(1, "hello")},
      {"type into line 8", type(8, "bottom row")},
      {"Backspace in line 8", press(8, Qt::Key_Backspace)},
      {"the mark typed into line 4",
       [this] { testing::Type(Editor(4), QString::fromUtf16(u"\u2026")); }},
      {"line 1 emptied", [this] { Editor(1)->clear(); }},
      {"a line of spaces in line 5", type(5, "     ")},
      {"Update Preview", [this] { Click(kUpdatePreviewButton); }},
  };
  for (const auto& [what, act] : steps) {
    act();
    EXPECT_EQ(ToUtf16(Control<QPlainTextEdit>(kPreviewBox)->toPlainText()),
              ToUtf16(RowsToQString(BindTextToUtf16(BuildPreviewText(Bind().Lines())))))
        << what;
  }
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
    Bind().SetLine(1, "hello");
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
  Bind().SetFileName(disk / "a.cfg");
  WhenFileDialogOpens([](QFileDialog* dialog) {
    EXPECT_EQ(ListedNames(dialog, 1), QStringList({"a.cfg"}));
    dialog->selectNameFilter(dialog->nameFilters().value(1));
    EXPECT_EQ(ListedNames(dialog, 2), QStringList({"a.cfg", "greet"}));
    dialog->selectFile("greet");
    Accept(dialog);
  });
  Bind().SetLine(1, "");
  Click("Command3");
  EXPECT_EQ(Bind().Line(1), "hello");
}

// A name with a double quote is refused and the dialog stays open; the next name typed, of a file
// that exists, is taken once the user agrees to replace that file.
TEST_F(QtFileDialog, RefusesANameHoldingADoubleQuoteAndStaysOpenThenAsksToReplace) {
  WriteBytes(disk / "mybind", "old");
  Bind().SetFileName(disk / "earlier.cfg");
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
  EXPECT_EQ(Bind().FileName(), disk / "mybind");
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
  Bind().SetFileName(disk / "earlier.cfg");
  WhenFileDialogOpens([&](QFileDialog* dialog) {
    TypeFileName(dialog, folder + "/" + name);
    Accept(dialog);
  });
  Click("Command4");
  ASSERT_EQ(Bind().FileName(), chosen);
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

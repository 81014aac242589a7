// The preview, the line editors' change and key actions, and the Spacing Fixer on the real
// main window.
#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <vector>

#include "core/bind_file.h"
#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QString kSquare = QString::fromUtf16(u"\u25A0");

class LineEditors : public testing::MainWindowTest {
 protected:
  QPlainTextEdit* Preview() { return Control<QPlainTextEdit>("Text14"); }
  QString PreviewText() { return Preview()->toPlainText(); }
  QColor PreviewColour() { return Preview()->palette().color(QPalette::Text); }
  QCheckBox* Check1() { return Control<QCheckBox>("Check1"); }
  QAbstractButton* Button(const char* name) { return Control<QAbstractButton>(name); }
  void SetLines(const QStringList& lines) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(lines[k - 1]);
  }
};

TEST_F(LineEditors, PreviewShowsTheEightLinesRowForRow) {
  struct Case {
    const char* name;
    QStringList lines;
    QString shown;
  };
  const Case cases[] = {
      {"only line 8", {"", "", "", "", "", "", "", "  eight"}, "\n\n\n\n\n\n\n  eight"},
      {"a line of spaces",
       {"top", "    ", "", "x", "", "", "", "end"},
       "top\n    \n\nx\n\n\n\nend"},
      {"marks and trailing spaces",
       {kSquare + "ab  ", " b", "", "", "", "", "", kSquare},
       kSquare + "ab  \n b\n\n\n\n\n\n" + kSquare},
      {"all empty", {"", "", "", "", "", "", "", ""}, "\n\n\n\n\n\n\n"},
  };
  for (const Case& c : cases) {
    SetLines(c.lines);
    EXPECT_EQ(PreviewText(), c.shown) << c.name;
  }
  EXPECT_EQ(Preview()->blockCount(), 8);
}

TEST_F(LineEditors, TypingRecomposesThePreviewAtEveryKeystroke) {
  ShowAndFocus();
  Editor(2)->setFocus();
  QTest::keyClick(Editor(2), Qt::Key_A);
  EXPECT_EQ(PreviewText(), "\na\n\n\n\n\n\n");
  QTest::keyClick(Editor(2), Qt::Key_B);
  EXPECT_EQ(PreviewText(), "\nab\n\n\n\n\n\n");
  QTest::keyClick(Editor(2), Qt::Key_Backspace);
  EXPECT_EQ(PreviewText(), "\na\n\n\n\n\n\n");
}

TEST_F(LineEditors, OptionsRecolourThePreviewAndComposePreviewFollowsTheSelectedOption) {
  ShowAndFocus();
  SetLines({"text", "", "", "", "", "", "", ""});
  EXPECT_EQ(PreviewColour(), kWhite);

  QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
  EXPECT_EQ(PreviewColour(), kYellow);
  QTest::mouseClick(Control<QRadioButton>("Option1"), Qt::LeftButton);
  EXPECT_EQ(PreviewColour(), kWhite);

  // Selected by a program, as Open does.
  form->SetColour(TextColour::Yellow);
  EXPECT_EQ(PreviewColour(), kYellow);
  form->SetColour(TextColour::White);
  EXPECT_EQ(PreviewColour(), kWhite);

  // With the options' own actions kept quiet, only ComposePreview can set the colour.
  for (const auto& [option, colour] : {std::pair{"Option2", kYellow}, {"Option1", kWhite}}) {
    {
      const QSignalBlocker quiet_white(Control<QRadioButton>("Option1"));
      const QSignalBlocker quiet_yellow(Control<QRadioButton>("Option2"));
      Control<QRadioButton>(option)->setChecked(true);
    }
    EXPECT_NE(PreviewColour(), colour) << option;
    form->ComposePreview();
    EXPECT_EQ(PreviewColour(), colour) << option;
    EXPECT_EQ(PreviewText(), "text\n\n\n\n\n\n\n");
    form->ComposePreview();
    EXPECT_EQ(PreviewText(), "text\n\n\n\n\n\n\n") << "replaced, not appended to";
  }
}

TEST_F(LineEditors, WithAutoPreviewOffTheStalePreviewIsOnlyRecolouredUntilUpdatePreview) {
  SetLines({"old", "", "", "", "", "", "", ""});
  ASSERT_FALSE(Button("Command5")->isEnabled());
  Check1()->click();
  ASSERT_EQ(Check1()->checkState(), Qt::Unchecked);
  ASSERT_TRUE(Button("Command5")->isEnabled());

  Editor(1)->setText("new");
  Editor(8)->setText("last");
  EXPECT_EQ(PreviewText(), "old\n\n\n\n\n\n\n");

  Control<QRadioButton>("Option2")->click();
  EXPECT_EQ(PreviewColour(), kYellow);
  EXPECT_EQ(PreviewText(), "old\n\n\n\n\n\n\n");

  Button("Command5")->click();
  EXPECT_EQ(PreviewText(), "new\n\n\n\n\n\n\nlast");
  EXPECT_EQ(PreviewColour(), kYellow);
}

TEST_F(LineEditors, OnlyACheckedAutoPreviewRecomposesAndDisablesUpdatePreview) {
  struct Case {
    Qt::CheckState state;  // the value 0, 1 or 2 of the check box
    bool recomposes;
  };
  const Case cases[] = {{Qt::Unchecked, false}, {Qt::Checked, true}, {Qt::PartiallyChecked, false}};
  int n = 0;
  for (const Case& c : cases) {
    Check1()->setCheckState(Qt::Checked);
    SetLines({"before", "", "", "", "", "", "", ""});
    Check1()->setCheckState(c.state);
    const QString typed = QString("line %1").arg(++n);
    Editor(4)->setText(typed);
    EXPECT_EQ(PreviewText(),
              c.recomposes ? "before\n\n\n" + typed + "\n\n\n\n" : QString("before\n\n\n\n\n\n\n"))
        << c.state;
  }

  // A click steps through cleared, greyed and checked; only checked disables the button.
  Check1()->setCheckState(Qt::Checked);
  const std::pair<Qt::CheckState, bool> clicks[] = {
      {Qt::Unchecked, true}, {Qt::PartiallyChecked, true}, {Qt::Checked, false}};
  for (const auto& [state, enabled] : clicks) {
    Check1()->click();
    ASSERT_EQ(Check1()->checkState(), state);
    EXPECT_EQ(Button("Command5")->isEnabled(), enabled) << state;
  }
}

// Records the key presses that reach the main window after a line editor left them unused.
class KeyWatcher : public QObject {
 public:
  std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      keys.emplace_back(key->key(), key->modifiers());
    }
    return false;
  }
};

TEST_F(LineEditors, UpAndDownMoveTheFocusBetweenNeighbouringEditorsOnly) {
  ShowAndFocus();
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setText("abcdef");
    Editor(k)->setCursorPosition(k - 1 < 6 ? k - 1 : 6);
  }
  KeyWatcher watcher;
  form->installEventFilter(&watcher);

  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int step;
  };
  const Press presses[] = {
      {Qt::Key_Down, Qt::NoModifier, +1},      {Qt::Key_Up, Qt::NoModifier, -1},
      {Qt::Key_Down, Qt::ShiftModifier, +1},   {Qt::Key_Up, Qt::ShiftModifier, -1},
      {Qt::Key_Down, Qt::ControlModifier, +1}, {Qt::Key_Up, Qt::AltModifier, -1},
      {Qt::Key_Left, Qt::NoModifier, 0},       {Qt::Key_PageDown, Qt::NoModifier, 0}};
  for (const Press& press : presses) {
    for (int k = 1; k <= 8; ++k) {
      Editor(k)->setFocus();
      ASSERT_TRUE(Editor(k)->hasFocus());
      const int cursor = Editor(k)->cursorPosition();
      QTest::keyClick(Editor(k), press.key, press.modifiers);
      const int expected = std::clamp(k + press.step, 1, 8);
      EXPECT_TRUE(Editor(expected)->hasFocus())
          << "key " << press.key << " modifiers " << press.modifiers << " in Text" << k;
      if (press.key == Qt::Key_Left) Editor(k)->setCursorPosition(cursor);
    }
  }
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Editor(k)->text(), "abcdef");
    EXPECT_EQ(Editor(k)->cursorPosition(), k - 1 < 6 ? k - 1 : 6) << "Text" << k;
    EXPECT_FALSE(Editor(k)->hasSelectedText());
  }
  // Every arrow went on to the editor and, unused there, up to the window.
  // The arrows the editor has no use for went on through it to the window: never swallowed.
  for (const Press& press : presses) {
    if (press.step == 0 || press.modifiers == Qt::ControlModifier) continue;
    const auto seen = std::pair<int, Qt::KeyboardModifiers>(press.key, press.modifiers);
    EXPECT_EQ(std::count(watcher.keys.begin(), watcher.keys.end(), seen), 8)
        << "key " << press.key << " modifiers " << press.modifiers;
  }
}

TEST_F(LineEditors, SpacingFixerMarksEveryEditorRecomposingEachTimeAndTheSaveCarriesTheMarks) {
  const QString full = "0123456789abcdefghijklmnopqrstuvwxyz";
  SetLines({"abc", "", full, "  art", "", " x", "q", "end"});
  std::vector<QString> previews;
  for (int k = 1; k <= 8; ++k) {
    QObject::connect(Editor(k), &QLineEdit::textChanged,
                     [this, &previews] { previews.push_back(PreviewText()); });
  }
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};

  Button("Command9")->click();

  ASSERT_EQ(dialogs.boxes.size(), 4u);
  EXPECT_EQ(dialogs.boxes[3].title, "Finished");
  const QStringList marked = {kSquare + "bc",   kSquare,       kSquare + full.mid(1),
                              kSquare + " art", kSquare,       kSquare + "x",
                              kSquare,          kSquare + "nd"};
  const QStringList before = {"abc", "", full, "  art", "", " x", "q", "end"};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Editor(k)->text(), marked[k - 1]);
    EXPECT_EQ(Editor(k)->cursorPosition(), 1);
    EXPECT_FALSE(Editor(k)->hasSelectedText());
  }
  EXPECT_EQ(Editor(1)->text().size(), 3);
  EXPECT_EQ(Editor(2)->text().size(), 1);
  EXPECT_EQ(Editor(3)->text().size(), 36);
  // After the k-th replacement the preview already shows it, and the lines below unchanged.
  ASSERT_EQ(previews.size(), 8u);
  for (int k = 1; k <= 8; ++k) {
    const QStringList rows = marked.mid(0, k) + before.mid(k);
    EXPECT_EQ(previews[k - 1], rows.join('\n')) << "replacement " << k;
  }

  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Button("Command9")->click();
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(Editor(k)->text(), marked[k - 1]);
  EXPECT_EQ(PreviewText(), marked.join('\n'));

  dialogs.file_choices = {"c:\\fixed.cfg"};
  Button("Command4")->click();
  const std::string saved = testing::ReadBytes(disk / "fixed.cfg");
  ASSERT_EQ(saved.size(), FullBindFileLength);
  for (int k = 0; k < 8; ++k) {
    // Line 2s+1 starts after "say", a space, a double quote, a lone CR and the colour marker;
    // line 2s+2 after line 2s+1's 36 columns and six spaces.
    const std::size_t start = (k / 2) * 88 + (k % 2 == 0 ? 7 : 49);
    EXPECT_EQ(saved[start], '\x85') << "line " << k + 1;
  }
  const std::string m = "\x85";
  const BindLines lines = {m + "bc", m,       m + full.mid(1).toStdString(), m + " art", m, m + "x",
                           m,        m + "nd"};
  EXPECT_EQ(saved, ComposeBindFile(*ComposeSayLines(lines, TextColour::White)));
}

TEST_F(LineEditors, DecliningTheSpacingFixerLeavesTheEditorsUntouched) {
  SetLines({"abc", "", "c", "", "", "", "", "h"});
  int changes = 0;
  for (int k = 1; k <= 8; ++k) {
    QObject::connect(Editor(k), &QLineEdit::textChanged, [&changes] { ++changes; });
  }
  for (const std::deque<Answer>& answers : {std::deque<Answer>{Answer::No},
                                            {Answer::Yes, Answer::Cancel},
                                            {Answer::Yes, Answer::Ok, Answer::Cancel}}) {
    dialogs.answers = answers;
    Button("Command9")->click();
  }
  EXPECT_EQ(dialogs.boxes.size(), 6u);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(PreviewText(), "abc\n\nc\n\n\n\n\nh");
}

}  // namespace
}  // namespace vbe

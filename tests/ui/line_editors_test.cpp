// The preview, the line editors' arrow keys and the Spacing Fixer on the real main window.
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QString kSquare = QString::fromUtf16(u"\u25A0");

class LineEditors : public testing::MainWindowTest {
 protected:
  QString PreviewText() { return Control<QPlainTextEdit>("Text14")->toPlainText(); }
  QColor PreviewColour() {
    return Control<QPlainTextEdit>("Text14")->palette().color(QPalette::Text);
  }
  void SetLines(const QStringList& lines) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(lines.value(k - 1));
  }
};

TEST_F(LineEditors, PreviewFollowsTheTyping) {
  SetLines({kSquare + " a ", "   ", "", "", "", "", "", "eight"});
  ShowAndFocus();
  Editor(3)->setFocus();
  QTest::keyClick(Editor(3), Qt::Key_Z);
  EXPECT_EQ(PreviewText(), kSquare + " a \n   \nz\n\n\n\n\neight");
}

TEST_F(LineEditors, OptionsRecolourThePreviewAndComposePreviewFollowsTheSelectedOption) {
  ShowAndFocus();
  QTest::mouseClick(Control("Option2"), Qt::LeftButton);
  EXPECT_EQ(PreviewColour(), kYellow);
  QTest::mouseClick(Control("Option1"), Qt::LeftButton);
  EXPECT_EQ(PreviewColour(), kWhite);
  form->SetColour(TextColour::Yellow);  // as Open selects it
  EXPECT_EQ(PreviewColour(), kYellow);

  SetLines({"text"});
  for (const auto& [option, colour] : {std::pair{"Option1", kWhite}, {"Option2", kYellow}}) {
    {
      // With the options' own actions kept quiet, only ComposePreview can set the colour.
      const QSignalBlocker quiet_white(Control("Option1"));
      const QSignalBlocker quiet_yellow(Control("Option2"));
      Control<QRadioButton>(option)->setChecked(true);
    }
    ASSERT_NE(PreviewColour(), colour);
    form->ComposePreview();
    EXPECT_EQ(PreviewColour(), colour) << option;
  }
}

TEST_F(LineEditors, OnlyACheckedAutoPreviewRecomposesAndUpdatePreviewServesTheOtherStates) {
  auto* check1 = Control<QCheckBox>("Check1");
  // A click steps through cleared (0), greyed (2) and checked (1).
  const std::pair<Qt::CheckState, bool> clicks[] = {
      {Qt::Unchecked, false}, {Qt::PartiallyChecked, false}, {Qt::Checked, true}};
  for (const auto& [state, on] : clicks) {
    SetLines({"old"});
    check1->click();
    ASSERT_EQ(check1->checkState(), state);
    EXPECT_EQ(Control("Command5")->isEnabled(), !on) << state;
    Editor(2)->setText("new");
    EXPECT_EQ(PreviewText(), on ? "old\nnew\n\n\n\n\n\n" : "old\n\n\n\n\n\n\n") << state;
  }

  // Off: the stale preview is only recoloured, until Update Preview recomposes it.
  check1->click();
  SetLines({"stale"});
  Click("Option2");
  EXPECT_EQ(PreviewColour(), kYellow);
  EXPECT_EQ(PreviewText(), "old\nnew\n\n\n\n\n\n");
  Click("Command5");
  EXPECT_EQ(PreviewText(), "stale\n\n\n\n\n\n\n");
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
    Editor(k)->setText("abcdefgh");
    Editor(k)->setCursorPosition(k - 1);
  }
  KeyWatcher watcher;
  form->installEventFilter(&watcher);
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> presses[] = {
      {Qt::Key_Down, Qt::NoModifier, +1},      {Qt::Key_Up, Qt::NoModifier, -1},
      {Qt::Key_Down, Qt::ShiftModifier, +1},   {Qt::Key_Up, Qt::AltModifier, -1},
      {Qt::Key_Down, Qt::ControlModifier, +1}, {Qt::Key_PageDown, Qt::NoModifier, 0}};
  for (const auto& [key, modifiers, step] : presses) {
    for (int k = 1; k <= 8; ++k) {
      Editor(k)->setFocus();
      QTest::keyClick(Editor(k), key, modifiers);
      EXPECT_TRUE(Editor(std::clamp(k + step, 1, 8))->hasFocus())
          << "key " << key << " modifiers " << modifiers << " in Text" << k;
    }
  }
  // An arrow the editor has no use for goes on through it to the window: never swallowed.
  for (const auto& [key, modifiers, step] : {presses[0], presses[1], presses[2]}) {
    const std::pair<int, Qt::KeyboardModifiers> seen(key, modifiers);
    EXPECT_EQ(std::count(watcher.keys.begin(), watcher.keys.end(), seen), 8) << key;
  }
  // The editor that gets the focus keeps its caret; nothing is typed or selected.
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Editor(k)->text(), "abcdefgh");
    EXPECT_EQ(Editor(k)->cursorPosition(), k - 1) << "Text" << k;
    EXPECT_FALSE(Editor(k)->hasSelectedText());
  }
}

TEST_F(LineEditors, SpacingFixerRecomposesAtEachReplacementAndTheSaveCarriesTheMarks) {
  const QStringList before = {
      "abc", "", "0123456789abcdefghijklmnopqrstuvwxyz", "  art", "", " x", "q", "end"};
  SetLines(before);
  std::vector<QString> previews;
  for (int k = 1; k <= 8; ++k) {
    QObject::connect(Editor(k), &QLineEdit::textChanged,
                     [this, &previews] { previews.push_back(PreviewText()); });
  }
  QStringList marked;
  for (const QString& line : before) marked << kSquare + line.mid(1);

  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Click("Command9");
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Editor(k)->text(), marked[k - 1]);
    EXPECT_EQ(Editor(k)->cursorPosition(), 1);
  }
  // After the k-th replacement the preview already shows it above the lines still unchanged.
  ASSERT_EQ(previews.size(), 8u);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(previews[k - 1], (marked.mid(0, k) + before.mid(k)).join('\n')) << k;
  }

  dialogs.file_choices = {"c:\\fixed.cfg"};
  Click("Command4");
  const std::string saved = testing::ReadBytes(disk / "fixed.cfg");
  ASSERT_EQ(saved.size(), 352u);
  for (int k = 0; k < 8; ++k) {
    // Each say command holds two lines: after `say "`, a lone CR and the colour marker, and
    // after the first line's 36 columns and six spaces.
    EXPECT_EQ(saved[(k / 2) * 88 + (k % 2 == 0 ? 7 : 49)], '\x85') << "line " << k + 1;
  }
}

}  // namespace
}  // namespace vbe

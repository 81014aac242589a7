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
#include "core/spacing_fixer.h"
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
  QAbstractButton* Button(const char* name) { return Control<QAbstractButton>(name); }
  void SetLines(const QStringList& lines) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(lines.value(k - 1));
  }
};

TEST_F(LineEditors, PreviewShowsTheLinesRowForRowAtEveryKeystroke) {
  SetLines({"", "", "", "", "", "", "", "eight"});
  EXPECT_EQ(PreviewText(), "\n\n\n\n\n\n\neight");
  SetLines({kSquare + " a ", "   "});
  EXPECT_EQ(PreviewText(), kSquare + " a \n   \n\n\n\n\n\n");

  ShowAndFocus();
  Editor(3)->setFocus();
  QTest::keyClick(Editor(3), Qt::Key_Z);
  EXPECT_EQ(PreviewText(), kSquare + " a \n   \nz\n\n\n\n\n");
}

TEST_F(LineEditors, OptionsRecolourThePreviewAndComposePreviewFollowsTheSelectedOption) {
  ShowAndFocus();
  QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
  EXPECT_EQ(PreviewColour(), kYellow);
  QTest::mouseClick(Control<QRadioButton>("Option1"), Qt::LeftButton);
  EXPECT_EQ(PreviewColour(), kWhite);
  form->SetColour(TextColour::Yellow);  // as Open selects it
  EXPECT_EQ(PreviewColour(), kYellow);

  SetLines({"text"});
  for (const auto& [option, colour] : {std::pair{"Option1", kWhite}, {"Option2", kYellow}}) {
    {
      // With the options' own actions kept quiet, only ComposePreview can set the colour.
      const QSignalBlocker quiet_white(Control<QRadioButton>("Option1"));
      const QSignalBlocker quiet_yellow(Control<QRadioButton>("Option2"));
      Control<QRadioButton>(option)->setChecked(true);
    }
    ASSERT_NE(PreviewColour(), colour);
    form->ComposePreview();
    form->ComposePreview();
    EXPECT_EQ(PreviewColour(), colour) << option;
    EXPECT_EQ(PreviewText(), "text\n\n\n\n\n\n\n") << "replaced, never appended to";
  }
}

TEST_F(LineEditors, OnlyACheckedAutoPreviewRecomposesAndUpdatePreviewServesTheOtherStates) {
  auto* check1 = Control<QCheckBox>("Check1");
  const std::pair<Qt::CheckState, bool> cases[] = {
      {Qt::Unchecked, false}, {Qt::Checked, true}, {Qt::PartiallyChecked, false}};
  for (const auto& [state, recomposes] : cases) {
    check1->setCheckState(Qt::Checked);
    SetLines({"old"});
    check1->setCheckState(state);
    Editor(2)->setText("new");
    EXPECT_EQ(PreviewText(), recomposes ? "old\nnew\n\n\n\n\n\n" : "old\n\n\n\n\n\n\n") << state;
  }

  // A click steps through cleared, greyed and checked; only checked disables the button.
  check1->setCheckState(Qt::Checked);
  const std::pair<Qt::CheckState, bool> clicks[] = {
      {Qt::Unchecked, true}, {Qt::PartiallyChecked, true}, {Qt::Checked, false}};
  for (const auto& [state, enabled] : clicks) {
    check1->click();
    ASSERT_EQ(check1->checkState(), state);
    EXPECT_EQ(Button("Command5")->isEnabled(), enabled) << state;
  }

  // Off: the stale preview is only recoloured, until Update Preview recomposes it.
  check1->click();
  SetLines({"stale"});
  Control<QRadioButton>("Option2")->click();
  EXPECT_EQ(PreviewColour(), kYellow);
  EXPECT_EQ(PreviewText(), "old\n\n\n\n\n\n\n");
  Button("Command5")->click();
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

  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int step;
  };
  const Press presses[] = {
      {Qt::Key_Down, Qt::NoModifier, +1},      {Qt::Key_Up, Qt::NoModifier, -1},
      {Qt::Key_Down, Qt::ShiftModifier, +1},   {Qt::Key_Up, Qt::AltModifier, -1},
      {Qt::Key_Down, Qt::ControlModifier, +1}, {Qt::Key_PageDown, Qt::NoModifier, 0}};
  for (const Press& press : presses) {
    for (int k = 1; k <= 8; ++k) {
      Editor(k)->setFocus();
      QTest::keyClick(Editor(k), press.key, press.modifiers);
      EXPECT_TRUE(Editor(std::clamp(k + press.step, 1, 8))->hasFocus())
          << "key " << press.key << " modifiers " << press.modifiers << " in Text" << k;
    }
  }
  // The editor that gets the focus keeps its caret; nothing is typed or selected.
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Editor(k)->text(), "abcdefgh");
    EXPECT_EQ(Editor(k)->cursorPosition(), k - 1) << "Text" << k;
    EXPECT_FALSE(Editor(k)->hasSelectedText());
  }
  // An arrow the editor has no use for goes on through it to the window: never swallowed.
  for (const auto& press : {presses[0], presses[1], presses[2]}) {
    const std::pair<int, Qt::KeyboardModifiers> seen(press.key, press.modifiers);
    EXPECT_EQ(std::count(watcher.keys.begin(), watcher.keys.end(), seen), 8) << press.key;
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

  for (int run = 1; run <= 2; ++run) {
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
    Button("Command9")->click();
    for (int k = 1; k <= 8; ++k) {
      EXPECT_EQ(Editor(k)->text(), marked[k - 1]);
      EXPECT_EQ(Editor(k)->cursorPosition(), 1);
      EXPECT_FALSE(Editor(k)->hasSelectedText());
    }
  }
  EXPECT_EQ(dialogs.boxes.size(), 8u);
  EXPECT_EQ(Editor(1)->text().size(), 3);
  EXPECT_EQ(Editor(2)->text().size(), 1);
  EXPECT_EQ(Editor(3)->text().size(), 36);
  // After the k-th replacement the preview already shows it above the lines still unchanged.
  ASSERT_GE(previews.size(), 8u);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(previews[k - 1], (marked.mid(0, k) + before.mid(k)).join('\n')) << k;
  }
  EXPECT_EQ(PreviewText(), marked.join('\n'));

  dialogs.file_choices = {"c:\\fixed.cfg"};
  Button("Command4")->click();
  const std::string saved = testing::ReadBytes(disk / "fixed.cfg");
  ASSERT_EQ(saved.size(), FullBindFileLength);
  for (int k = 0; k < 8; ++k) {
    // Each say command holds two lines: after `say "`, a lone CR and the colour marker, and
    // after the first line's 36 columns and six spaces.
    EXPECT_EQ(saved[(k / 2) * 88 + (k % 2 == 0 ? 7 : 49)], '\x85') << "line " << k + 1;
  }
  BindLines lines;
  for (int k = 0; k < 8; ++k) lines[k] = before[k].toStdString();
  EXPECT_EQ(saved, ComposeBindFile(*ComposeSayLines(PlaceSpacingMarks(lines), TextColour::White)));
}

}  // namespace
}  // namespace vbe

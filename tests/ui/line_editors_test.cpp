// The preview, the line editors' arrow keys and the Spacing Fixer on the real main window.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <algorithm>
#include <tuple>
#include <vector>

#include "support/editor_fixture.h"
#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

const QString kSquare = QString::fromUtf16(u"\u25A0");

class LineEditors : public testing::MainWindowTest {
 protected:
  QString PreviewText() { return Control<QPlainTextEdit>("Text14")->toPlainText(); }
  void SetLines(const QStringList& lines) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(lines.value(k - 1));
  }
};

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
  dialogs.file_choices = {"c:\\fixed.cfg"};
  Click("Command4");
  EXPECT_EQ(testing::ReadBytes(disk / "fixed.cfg"), testing::BindBytes(fixed, TextColour::White));
}

}  // namespace
}  // namespace vbe

// The preview, the line editors' arrow keys and the Spacing Fixer on the real main window.
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <algorithm>
#include <tuple>
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
  QString PreviewText() { return Control<QPlainTextEdit>("Text14")->toPlainText(); }
  QColor PreviewColour() {
    return Control<QPlainTextEdit>("Text14")->palette().color(QPalette::Text);
  }
  void SetLines(const QStringList& lines) {
    for (int k = 1; k <= 8; ++k) Editor(k)->setText(lines.value(k - 1));
  }
};

TEST_F(LineEditors, OptionsRecolourThePreviewAndComposePreviewFollowsTheSelectedOption) {
  ShowAndFocus();
  for (const auto& [option, colour] : {std::pair{"Option2", kYellow}, {"Option1", kWhite}}) {
    QTest::mouseClick(Control(option), Qt::LeftButton);
    EXPECT_EQ(PreviewColour(), colour) << option;
    Control("Text14")->setPalette(QPalette());  // now only ComposePreview can bring it back
    form->ComposePreview();
    EXPECT_EQ(PreviewColour(), colour) << option;
  }
  form->SetColour(TextColour::Yellow);  // as Open selects it
  EXPECT_EQ(PreviewColour(), kYellow);
}

TEST_F(LineEditors, PreviewFollowsTypingOnlyWhileAutoPreviewIsChecked) {
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
  Click("Option2");
  EXPECT_EQ(PreviewColour(), kYellow);
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
      {Qt::Key_Down, Qt::NoModifier, +1},      {Qt::Key_Up, Qt::NoModifier, -1},
      {Qt::Key_Down, Qt::ShiftModifier, +1},   {Qt::Key_Up, Qt::AltModifier, -1},
      {Qt::Key_Down, Qt::ControlModifier, +1}, {Qt::Key_PageDown, Qt::NoModifier, 0}};
  for (const auto& [key, modifiers, step] : presses) {
    for (int k = 1; k <= 8; ++k) {
      Editor(k)->setFocus();
      QKeyEvent press(QEvent::KeyPress, key, modifiers);
      QApplication::sendEvent(Editor(k), &press);
      EXPECT_TRUE(Editor(std::clamp(k + step, 1, 8))->hasFocus())
          << "key " << key << " modifiers " << modifiers << " in Text" << k;
      // Nothing takes the key on its way to the window (QLineEdit itself takes Ctrl+Down).
      EXPECT_TRUE(modifiers == Qt::ControlModifier || !press.isAccepted()) << key << k;
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
  QStringList marked;
  for (const QString& line : before) marked << kSquare + line.mid(1);

  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Click("Command9");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(Editor(k)->cursorPosition(), 1) << k;
  // After the k-th replacement the preview already shows it above the lines still unchanged.
  ASSERT_EQ(previews.size(), 8u);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(previews[k - 1], (marked.mid(0, k) + before.mid(k)).join('\n')) << k;
  }

  dialogs.file_choices = {"c:\\fixed.cfg"};
  Click("Command4");
  BindLines fixed;
  for (int k = 0; k < 8; ++k) fixed[k] = "\x85" + before[k].mid(1).toStdString();
  EXPECT_EQ(testing::ReadBytes(disk / "fixed.cfg"),
            ComposeBindFile(*ComposeSayLines(fixed, TextColour::White)));
}

}  // namespace
}  // namespace vbe

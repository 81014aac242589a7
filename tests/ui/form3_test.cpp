#include "ui/form3.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

#include "ui/bind_text.h"
#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

using ReadMeWindow = testing::MainWindowTest;

std::vector<Form3*> OpenReadMes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<Form3*> found;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form3 = dynamic_cast<Form3*>(window); form3 && form3->isVisible()) {
      found.push_back(form3);
    }
  }
  return found;
}

TEST_F(ReadMeWindow, ShowsTheNotesOnceInAReadOnlyBoxSizedFromTheScreen) {
  Click("Command8");
  Click("Command8");
  const auto open = OpenReadMes();
  ASSERT_EQ(open.size(), 1u);
  auto* text1 = open[0]->findChild<QPlainTextEdit*>("Text1");
  ASSERT_NE(text1, nullptr);
  EXPECT_EQ(ReadMeTextTwips({800, 600}), QSize(12000, 8338));
  // The offscreen screen of 800 by 800 pixels gives 12000 by 11338 twips: 800 by 755 pixels.
  ASSERT_EQ(open[0]->screen()->geometry().size(), QSize(800, 800));
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 800, 755));

  const std::string notes = ReadMeText();
  std::ptrdiff_t rows = 0;
  for (auto at = notes.find("\r\n"); at != std::string::npos; at = notes.find("\r\n", at + 2)) {
    ++rows;
  }
  EXPECT_GT(rows, 100);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), '\r'), rows);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), '\n'), rows);
  const QString shown = text1->toPlainText();
  EXPECT_EQ(shown, MessageTextToQString(notes));
  EXPECT_TRUE(shown.contains(QString::fromUtf16(u"(the black square \u25A0)")));

  text1->setFocus();
  QTest::keyClicks(text1, "typed");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) {
    QTest::keyClick(text1, key);
  }
  QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text1->toPlainText(), shown);
}

TEST_F(ReadMeWindow, ExitEndsTheProgramWithItOpen) {
  Click("Command8");
  ASSERT_EQ(OpenReadMes().size(), 1u);
  Click("Command6");
  EXPECT_EQ(program_ends, 1);
  EXPECT_TRUE(OpenReadMes().empty());
}

}  // namespace
}  // namespace vbe

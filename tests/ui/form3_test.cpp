#include "ui/form3.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "ui/bind_text.h"
#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

TEST(ReadMeTextTwips, IsTheWholeScreenLessRoomForTheCaption) {
  const std::pair<QSize, QSize> cases[] = {
      {{800, 600}, {12000, 8338}},
      {{1024, 768}, {15360, 10858}},
      {{1920, 1080}, {28800, 15538}},
  };
  for (const auto& [screen, twips] : cases) {
    EXPECT_EQ(ReadMeTextTwips(screen), twips) << screen.width();
  }
}

TEST(ReadMeText, IsWindows1252WithCrLfAndItsSectionsInOrder) {
  const std::string text = ReadMeText();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.rfind("Vellmar Bind Editor  -  Version 1.0\r\n=====", 0), 0u);

  std::size_t rows = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\n') {
      ++rows;
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
    } else if (byte == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "lone CR at " << i;
    } else {
      EXPECT_TRUE((byte >= 0x20 && byte < 0x7F) || byte == 0x85) << "byte " << int(byte);
    }
  }
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_GE(rows, 100u);
  EXPECT_LE(rows, 120u);

  const std::size_t mark = text.find('\x85');
  ASSERT_NE(mark, std::string::npos);
  EXPECT_NE(text.rfind("black square", mark), std::string::npos);

  std::size_t last = 0;
  for (const char* heading :
       {"\r\nWHATS NEW\r\n=========\r\n", "\r\nNotes about this program\r\n====",
        "\r\nABOUT THE AUTOEXEC.CFG FILE\r\n====", "\r\nCOMMON QUESTIONS .....\r\n====",
        "the Vellmar Bind Editor developers\r\non the project's issue tracker"}) {
    const std::size_t at = text.find(heading);
    ASSERT_NE(at, std::string::npos) << heading;
    EXPECT_GT(at, last) << heading;
    last = at;
  }
  for (const char* address : {"http", "www", ".com", ".net", ".org", "@"}) {
    EXPECT_EQ(text.find(address), std::string::npos) << address;
  }
}

class ReadMeWindow : public testing::MainWindowTest {
 protected:
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
  void PressViewReadme() { Control<QAbstractButton>("Command8")->click(); }
};

TEST_F(ReadMeWindow, OpensMaximisedWithTheNotesInOneReadOnlyBoxSizedFromTheScreen) {
  PressViewReadme();
  const auto open = OpenReadMes();
  ASSERT_EQ(open.size(), 1u);
  Form3* readme = open[0];
  EXPECT_EQ(readme->windowTitle(), "ReadMe");
  EXPECT_TRUE(readme->isMaximized());
  EXPECT_FALSE(readme->isModal());
  EXPECT_FALSE(readme->windowIcon().isNull());

  auto* text1 = readme->findChild<QPlainTextEdit*>("Text1");
  ASSERT_NE(text1, nullptr);
  EXPECT_EQ(readme->findChildren<QPlainTextEdit*>().size(), 1);
  EXPECT_TRUE(text1->isReadOnly());
  EXPECT_TRUE(text1->font().fixedPitch());
  EXPECT_EQ(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // The offscreen screen of 800 by 800 pixels gives 12000 by 11338 twips: 800 by 755 pixels.
  ASSERT_EQ(readme->screen()->geometry().size(), QSize(800, 800));
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 800, 755));

  const QString shown = text1->toPlainText();
  EXPECT_EQ(shown, MessageTextToQString(ReadMeText()));
  EXPECT_TRUE(shown.contains(QString::fromUtf16(u"(the black square \u25A0)")));
  EXPECT_FALSE(shown.contains('\r'));
}

TEST_F(ReadMeWindow, TypingChangesNothingButTheTextCanBeSelected) {
  PressViewReadme();
  auto* text1 = OpenReadMes().at(0)->findChild<QPlainTextEdit*>("Text1");
  const QString before = text1->toPlainText();
  text1->setFocus();
  QTest::keyClicks(text1, "typed");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab}) {
    QTest::keyClick(text1, key);
  }
  QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text1->toPlainText(), before);

  QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(text1->textCursor().selectedText().size(), before.size());
}

TEST_F(ReadMeWindow, StaysOneWindowAndLoadsAfreshAfterItWasClosed) {
  PressViewReadme();
  Form3* first = OpenReadMes().at(0);
  PressViewReadme();
  ASSERT_EQ(OpenReadMes(), std::vector<Form3*>{first});

  QPointer<Form3> closed = first;
  first->close();
  EXPECT_TRUE(OpenReadMes().empty());
  EXPECT_TRUE(closed.isNull()) << "deleted on close";

  PressViewReadme();
  EXPECT_EQ(OpenReadMes().size(), 1u);
  EXPECT_TRUE(OpenReadMes().at(0)->isMaximized());
}

TEST_F(ReadMeWindow, ExitEndsTheProgramWithTheReadMeOpen) {
  form->show();
  PressViewReadme();
  ASSERT_EQ(OpenReadMes().size(), 1u);
  Control<QAbstractButton>("Command6")->click();
  EXPECT_EQ(program_ends, 1);
  EXPECT_TRUE(OpenReadMes().empty());
}

}  // namespace
}  // namespace vbe

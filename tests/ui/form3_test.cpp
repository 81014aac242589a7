#include "ui/form3.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScreen>

#include "ui/bind_text.h"
#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

TEST(ReadMeTextTwips, IsTheWholeScreenLessRoomForTheCaption) {
  EXPECT_EQ(ReadMeTextTwips({800, 600}), QSize(12000, 8338));
  EXPECT_EQ(ReadMeTextTwips({1024, 768}), QSize(15360, 10858));
}

TEST(ReadMeText, IsWindows1252WithCrLfAndItsSectionsInOrder) {
  const std::string text = ReadMeText();
  ASSERT_EQ(text.rfind("Vellmar Bind Editor  -  Version 1.0\r\n=====", 0), 0u);
  std::size_t rows = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r') {
      ASSERT_EQ(text.at(i + 1), '\n') << "at " << i;
      ++rows;
      ++i;
    } else {
      ASSERT_TRUE((byte >= 0x20 && byte < 0x7F) || byte == 0x85) << "byte " << int(byte);
    }
  }
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(rows, 110u);
  EXPECT_NE(text.find("(the black square \x85)"), std::string::npos);

  std::size_t last = 0;
  for (const char* part :
       {"\r\nWHATS NEW\r\n====", "\r\nNotes about this program\r\n====",
        "\r\nABOUT THE AUTOEXEC.CFG FILE\r\n====", "\r\nCOMMON QUESTIONS .....\r\n====",
        "the Vellmar Bind Editor developers\r\non the project's issue tracker"}) {
    const std::size_t at = text.find(part);
    EXPECT_TRUE(at != std::string::npos && at > last) << part;
    last = at;
  }
  for (const char* address : {"http", "www", ".com", ".org", "@"}) {
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

TEST_F(ReadMeWindow, ShowsTheNotesMaximisedInOneReadOnlyBoxSizedFromTheScreen) {
  PressViewReadme();
  PressViewReadme();
  const auto open = OpenReadMes();
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0]->windowTitle(), "ReadMe");
  EXPECT_TRUE(open[0]->isMaximized());
  EXPECT_FALSE(open[0]->isModal());

  const auto boxes = open[0]->findChildren<QPlainTextEdit*>();
  ASSERT_EQ(boxes.size(), 1);
  QPlainTextEdit* text1 = boxes[0];
  EXPECT_EQ(text1->objectName(), "Text1");
  EXPECT_TRUE(text1->font().fixedPitch());
  EXPECT_EQ(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // The offscreen screen of 800 by 800 pixels gives 12000 by 11338 twips: 800 by 755 pixels.
  ASSERT_EQ(open[0]->screen()->geometry().size(), QSize(800, 800));
  EXPECT_EQ(text1->geometry(), QRect(0, 0, 800, 755));

  const QString shown = text1->toPlainText();
  EXPECT_EQ(shown, MessageTextToQString(ReadMeText()));
  EXPECT_TRUE(shown.contains(QString::fromUtf16(u"(the black square \u25A0)")));
  text1->setFocus();
  QTest::keyClicks(text1, "typed");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) {
    QTest::keyClick(text1, key);
  }
  QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text1->toPlainText(), shown);
  QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(text1->textCursor().selectedText().size(), shown.size());
}

TEST_F(ReadMeWindow, LoadsAfreshAfterClosingAndExitEndsTheProgramWithItOpen) {
  PressViewReadme();
  QPointer<Form3> first = OpenReadMes().at(0);
  first->close();
  EXPECT_TRUE(OpenReadMes().empty());
  EXPECT_TRUE(first.isNull()) << "deleted on close";

  PressViewReadme();
  ASSERT_EQ(OpenReadMes().size(), 1u);
  Control<QAbstractButton>("Command6")->click();
  EXPECT_EQ(program_ends, 1);
  EXPECT_TRUE(OpenReadMes().empty());
}

}  // namespace
}  // namespace vbe

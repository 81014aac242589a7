#include "ui/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "core/bind_file.h"
#include "ui/main_window_fixture.h"

namespace vbe {
namespace {

using testing::WhenModalOpens;

TEST(QtMessageBox, ShowsTheStylesIconButtonsTitleAndRowsAndAnswersWhatWasPressed) {
  DriveTable drives;
  QtUserDialogs dialogs(nullptr, drives);
  using Box = QMessageBox;
  struct Case {
    int style;
    Box::Icon icon;
    QStringList buttons;
    Box::StandardButton press;  // NoButton: Escape
    Answer answer;
  };
  const Case cases[] = {
      {19, Box::Critical, {"Cancel", "No", "Yes"}, Box::No, Answer::No},
      {67, Box::Information, {"Cancel", "No", "Yes"}, Box::NoButton, Answer::Cancel},
      {48, Box::Warning, {"OK"}, Box::NoButton, Answer::Ok},
      {33, Box::Question, {"Cancel", "OK"}, Box::NoButton, Answer::Cancel},
  };
  for (const Case& c : cases) {
    QMessageBox::Icon icon{};
    QStringList buttons;
    QString title, text;
    WhenModalOpens([&](QWidget* modal) {
      auto* box = qobject_cast<Box*>(modal);
      ASSERT_NE(box, nullptr);
      icon = box->icon();
      title = box->windowTitle();
      text = box->text();
      for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
      if (c.press == Box::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        box->button(c.press)->click();
      }
    });
    EXPECT_EQ(dialogs.ShowMessage("Line 1 has the \" character\r\nPlease", "WaRnInG!", c.style),
              c.answer) << c.style;
    EXPECT_EQ(icon, c.icon) << c.style;
    EXPECT_EQ(title, "WaRnInG!");
    EXPECT_EQ(text, "Line 1 has the \" character\nPlease");
    buttons.sort();
    EXPECT_EQ(buttons, c.buttons) << c.style;
  }
}

using QtFileDialog = testing::MainWindowTest;

TEST_F(QtFileDialog, SavesUnderTheTypedNameAfterAskingToReplaceIt) {
  Build(false, true);
  testing::WriteBytes(disk / "mybind", "old");
  form->SetLine(1, "hello");
  form->SetFileName("c:\\earlier.cfg");
  QStringList filters;
  QString selected_filter, directory;
  bool asked = false;
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    selected_filter = dialog->selectedNameFilter();
    directory = dialog->directory().absolutePath();
    WhenModalOpens([&](QWidget* question) {
      auto* box = qobject_cast<QMessageBox*>(question);
      asked = box != nullptr;
      asked ? box->button(QMessageBox::Yes)->click() : void(question->close());
    });
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("mybind");
    static_cast<QDialog*>(dialog)->accept();
  });
  Click("Command4");

  EXPECT_EQ(filters, QStringList({"Config files (*.cfg)", "All Files (*.*)"}));
  EXPECT_EQ(selected_filter, "Config files (*.cfg)");
  EXPECT_EQ(std::filesystem::path(directory.toStdString()),
            std::filesystem::weakly_canonical(disk.path()));
  EXPECT_TRUE(asked);
  EXPECT_EQ(form->FileName(), "c:\\mybind");
  EXPECT_EQ(testing::ReadBytes(disk / "mybind"),
            ComposeBindFile(*ComposeSayLines({"hello", "", "", "", "", "", "", ""},
                                             TextColour::White)));
}

}  // namespace
}  // namespace vbe

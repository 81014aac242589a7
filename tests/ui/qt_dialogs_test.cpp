#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "core/bind_file.h"
#include "support/recording_audio.h"
#include "support/temp_folder.h"
#include "ui/form1.h"
#include "ui_test_support.h"

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WhenModalOpens;

TEST(QtMessageBox, ShowsTheStylesIconButtonsTitleAndRows) {
  DriveTable drives;
  QtUserDialogs dialogs(nullptr, drives);
  QMessageBox::Icon icon{};
  QStringList buttons;
  QString title, text;
  WhenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    title = box->windowTitle();
    text = box->text();
    for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
    box->button(QMessageBox::No)->click();
  });
  const Answer answer =
      dialogs.ShowMessage("Line 1 has the \" character\r\nPlease", "WaRnInG!", 19);
  EXPECT_EQ(answer, Answer::No);
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(title, "WaRnInG!");
  EXPECT_EQ(text, "Line 1 has the \" character\nPlease");
  buttons.sort();
  EXPECT_EQ(buttons, QStringList({"Cancel", "No", "Yes"}));
}

TEST(QtMessageBox, EscapeAnswersCancelOrTheOnlyButton) {
  DriveTable drives;
  QtUserDialogs dialogs(nullptr, drives);
  for (const auto& [style, expected] : {std::pair{48, Answer::Ok}, std::pair{67, Answer::Cancel},
                                        std::pair{1, Answer::Cancel}}) {
    WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.ShowMessage("text", "title", style), expected) << style;
  }
}

// One whole save through the window's own file dialog.
TEST(QtFileDialog, SavesUnderTheTypedNameWithTheBindFilters) {
  TempFolder disk;
  DriveTable drives;
  drives.SetDrive('c', disk.path());
  testing::RecordingAudio audio;
  Form1 form(Form1Host{drives, nullptr, [] {}, &audio});
  form.SetLine(1, "hello");
  form.SetFileName("c:\\earlier.cfg");

  QStringList filters;
  QString selected_filter, directory;
  bool confirms_overwrite = false;
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    selected_filter = dialog->selectedNameFilter();
    directory = dialog->directory().absolutePath();
    confirms_overwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("mybind");
    static_cast<QDialog*>(dialog)->accept();
  });
  form.findChild<QAbstractButton*>("Command4")->click();

  EXPECT_EQ(filters, QStringList({"Config files (*.cfg)", "All Files (*.*)"}));
  EXPECT_EQ(selected_filter, "Config files (*.cfg)");
  EXPECT_EQ(std::filesystem::path(directory.toStdString()),
            std::filesystem::weakly_canonical(disk.path()));
  EXPECT_TRUE(confirms_overwrite);
  EXPECT_EQ(form.FileName(), "c:\\mybind");
  EXPECT_EQ(ReadBytes(disk / "mybind"), ComposeBindFile(*ComposeSayLines(
                                            {"hello", "", "", "", "", "", "", ""},
                                            TextColour::White)));
}

TEST(QtFileDialog, AsksBeforeReplacingAnExistingFile) {
  TempFolder disk;
  testing::WriteBytes(disk / "old.cfg", "old");
  DriveTable drives;
  drives.SetDrive('c', disk.path());
  QtUserDialogs dialogs(nullptr, drives);
  dialogs.SetFilter(ConfigFileFilter);
  dialogs.SetFlags(OverwritePromptFlag);

  bool asked = false;
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    WhenModalOpens([&, dialog](QWidget* question) {
      asked = qobject_cast<QMessageBox*>(question) != nullptr;
      QTest::keyClick(question, Qt::Key_Escape);
      dialog->reject();
    });
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("old.cfg");
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(dialogs.ChooseFile(FileDialogMode::Save, "c:\\old.cfg"), std::nullopt);
  EXPECT_TRUE(asked);
  EXPECT_EQ(ReadBytes(disk / "old.cfg"), "old");
}

}  // namespace
}  // namespace vbe

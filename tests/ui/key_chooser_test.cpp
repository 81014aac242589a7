#include "ui/key_chooser.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "gamecfg/key_catalogue.h"
#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/form1.h"

namespace vbe {
namespace {

using testing::ReadBytes;
using testing::RecordingAudio;
using testing::ScriptedDialogs;
using testing::TempFolder;

class KeyChooser : public ::testing::Test {
 protected:
  KeyChooser() {
    DriveTable drives;
    drives.SetDrive('c', disk.path());
    form = std::make_unique<Form1>(Form1Host{drives, &dialogs, [] {}, &audio});
    combo = form->findChild<QComboBox*>("Combo1");
  }

  TempFolder disk;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  std::unique_ptr<Form1> form;
  QComboBox* combo = nullptr;
};

TEST_F(KeyChooser, OffersTheCatalogueInOrderBelowThePrompt) {
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->count(), 76);
  for (int i = 0; i < combo->count(); ++i) {
    EXPECT_EQ(combo->itemText(i).toStdString(), KeyCatalogue[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(combo->itemText(0), "a");
  EXPECT_EQ(combo->itemText(75), "MWHEELUP");
  EXPECT_EQ(combo->currentText(), "Choose your key");
  EXPECT_EQ(combo->currentIndex(), -1) << "nothing is selected";
  EXPECT_TRUE(combo->isEditable());
  EXPECT_EQ(form->Key(), "Choose your key");
}

TEST_F(KeyChooser, ThePickedOrTypedTextIsTheKey) {
  combo->setCurrentIndex(combo->findText("KP_PAGEDOWN"));
  EXPECT_EQ(form->Key(), "KP_PAGEDOWN");

  form->show();
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), " F1 ");
  EXPECT_EQ(form->Key(), " F1 ") << "taken as typed, not trimmed";
}

TEST_F(KeyChooser, SaveWithTheOptionBindsTheChosenKey) {
  form->findChild<QCheckBox*>("Check2")->click();
  combo->setCurrentIndex(combo->findText("\\"));
  const auto main = disk / "Program Files" / "Vellmar" / "main";
  std::filesystem::create_directories(main);
  dialogs.file_choices = {"c:\\Program Files\\Vellmar\\main\\hello.cfg"};
  dialogs.answers = {Answer::Yes};

  form->findChild<QAbstractButton*>("Command4")->click();

  EXPECT_EQ(ReadBytes(main / "autoexec.cfg"), "bind \"\\\" exec hello.cfg\r\n");
  EXPECT_EQ(std::filesystem::file_size(main / "hello.cfg"), 352u);
}

}  // namespace
}  // namespace vbe

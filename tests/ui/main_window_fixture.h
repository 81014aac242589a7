#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/form1.h"

namespace vbe::testing {

// The real main window over drive c: in a fresh folder, with a scripted user and silent audio.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    DriveTable drives;
    drives.SetDrive('c', disk.path());
    form = std::make_unique<Form1>(Form1Host{drives, &dialogs, [this] { ++program_ends; }, &audio});
  }

  template <typename T = QWidget>
  T* Control(const char* name) {
    T* control = form->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLineEdit* Editor(int k) { return Control<QLineEdit>(QString("Text%1").arg(k).toUtf8()); }
  void ShowAndFocus() {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  TempFolder disk;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  int program_ends = 0;
  std::unique_ptr<Form1> form;
};

}  // namespace vbe::testing

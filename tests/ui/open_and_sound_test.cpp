#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "core/bind_file.h"
#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/form1.h"
#include "ui/bind_text.h"
#include "ui/qt_audio.h"

namespace vbe {
namespace {

using testing::RecordingAudio;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

DriveTable DriveC(const TempFolder& folder) {
  DriveTable drives;
  drives.SetDrive('c', folder.path());
  return drives;
}

// The real main window over drive c: in a fresh folder, a scripted user, recorded sound.
class OpenThroughTheWindow : public ::testing::Test {
 protected:
  QLineEdit* Editor(int k) { return form.findChild<QLineEdit*>(QString("Text%1").arg(k)); }
  QRadioButton* Option(int k) { return form.findChild<QRadioButton*>(QString("Option%1").arg(k)); }
  void Click(const char* name) { form.findChild<QAbstractButton*>(name)->click(); }

  TempFolder disk;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  Form1 form{Form1Host{DriveC(disk), &dialogs, [] {}, &audio}};
};

TEST_F(OpenThroughTheWindow, FillsTheEditorsAndSelectsTheFilesColour) {
  const BindLines art = {"   /\\_/\\", "  ( o.o )", "   > ^ <", "", "\x85Vellmar", "", "", "!"};
  WriteBytes(disk / "cat.cfg", ComposeBindFile(*ComposeSayLines(art, TextColour::Yellow)));
  for (int k = 1; k <= 8; ++k) Editor(k)->setText("old");
  dialogs.file_choices = {"c:\\cat.cfg"};

  Click("Command3");

  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form.Line(k), art[k - 1]) << k;
  EXPECT_EQ(Editor(5)->text(), QString::fromUtf16(u"\u25A0Vellmar"));
  EXPECT_TRUE(Option(2)->isChecked());
  EXPECT_FALSE(Option(1)->isChecked());
  EXPECT_EQ(audio.commands.at(2), "open waveaudio!c:\\windows\\media\\robot~15.wav alias sound");

  WriteBytes(disk / "white.cfg", ComposeBindFile(*ComposeSayLines(art, TextColour::White)));
  dialogs.file_choices = {"c:\\white.cfg"};
  Click("Command3");
  EXPECT_TRUE(Option(1)->isChecked());
  EXPECT_FALSE(Option(2)->isChecked());
}

TEST_F(OpenThroughTheWindow, EveryCharacterTypedSurvivesSaveAndOpen) {
  // Every byte from 0x20 to 0xFF but the double quote, typed key by key (the few control
  // characters, which no keyboard types, pasted); no line ends in a space, since trailing
  // spaces are padding in a bind file.
  std::string all;
  for (int b = 0x20; b <= 0xFF; ++b) {
    if (b != '"') all += static_cast<char>(b);
  }
  BindLines typed;
  for (std::size_t i = 0; i < all.size(); ++i) typed[i % 8] += all[i];
  for (int k = 1; k <= 8; ++k) {
    Editor(k)->setFocus();
    for (char c : typed[k - 1]) {
      const QString text = BindTextToQString(std::string(1, c));
      if (text[0].isPrint()) {
        QTest::sendKeyEvent(QTest::Click, Editor(k), Qt::Key_unknown, text, Qt::NoModifier);
      } else {
        Editor(k)->insert(text);
      }
    }
    ASSERT_EQ(form.Line(k), typed[k - 1]) << "typing line " << k;
  }
  dialogs.file_choices = {"c:\\all.cfg", "c:\\all.cfg"};
  Click("Command4");
  dialogs.answers = {Answer::Yes};
  Click("Command1");
  ASSERT_EQ(form.Line(1), "");
  Click("Command3");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form.Line(k), typed[k - 1]) << k;
  EXPECT_TRUE(dialogs.boxes.size() == 1) << "only New's question was shown";
}

TEST_F(OpenThroughTheWindow, HiddenStopButtonAndExitSendTheirCues) {
  Click("Command2");
  EXPECT_EQ(audio.commands, (std::vector<std::string>{"stop sound", "close sound"}));
  audio.commands.clear();
  Click("Command6");
  EXPECT_EQ(audio.commands.at(2), "open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound");
  EXPECT_EQ(audio.commands.at(3), "play sound");
}

// A mono 8 kHz WAV file of a short tone.
std::string ToneWav() {
  const int samples = 800;
  auto le32 = [](std::uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  };
  auto le16 = [](std::uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string wav = "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                    le32(8000) + le32(8000) + le16(1) + le16(8) + "data" + le32(samples);
  for (int i = 0; i < samples; ++i) wav += static_cast<char>(i % 16 < 8 ? 0x30 : 0xD0);
  return wav;
}

TEST(HostAudio, PlaysAGeneratedWavAndRefusesAMissingOne) {
  TempFolder disk;
  std::filesystem::create_directories(disk / "Windows" / "Media");
  WriteBytes(disk / "Windows" / "Media" / "robot~18.wav", ToneWav());
  const auto audio = MakeAudioBackend(DriveC(disk));
  ASSERT_NE(audio, nullptr);
  EXPECT_EQ(audio->SendCommand("open waveaudio!c:\\windows\\media\\robot~18.wav alias sound"), 0);
  audio->SendCommand("play sound");  // no sound device here: whatever it answers, no harm
  EXPECT_EQ(audio->SendCommand("stop sound"), 0);
  EXPECT_EQ(audio->SendCommand("close sound"), 0);
  EXPECT_EQ(audio->SendCommand("close sound"), AudioError::NotOpen);
  EXPECT_EQ(audio->SendCommand("open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound"),
            AudioError::FileNotFound);
  EXPECT_EQ(audio->SendCommand("play sound"), AudioError::NotOpen);
}

TEST(HostAudio, IsCreatedOnTheFirstCueNotAtStartUp) {
  TempFolder disk;
  ScriptedDialogs dialogs;
  Form1 form(Form1Host{DriveC(disk), &dialogs, [] {}, nullptr});
  EXPECT_FALSE(form.AudioStarted());
  form.findChild<QAbstractButton*>("Command2")->click();
  EXPECT_TRUE(form.AudioStarted());
}

}  // namespace
}  // namespace vbe

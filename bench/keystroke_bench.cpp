// A keystroke in a line editor, through the real main window, until the preview shows it.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "commands/user_dialogs.h"
#include "sound/audio_commands.h"
#include "qt/form1.h"

namespace {

// The keystroke needs no dialog and no sound; these answer like a silent user.
class NoDialogs : public vbe::UserDialogs {
 public:
  vbe::Answer ShowMessage(std::string_view, std::string_view, int) override {
    return vbe::Answer::Cancel;
  }
  std::optional<std::string> ChooseFile(vbe::FileDialogMode, const std::string&) override {
    return std::nullopt;
  }
};

class NoAudio : public vbe::AudioCommands {
 public:
  int SendCommand(std::string_view) override { return 0; }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  NoDialogs dialogs;
  NoAudio audio;
  vbe::Form1 form({.drives = {}, .dialogs = &dialogs, .end_program = [] {}, .audio = &audio});
  form.show();
  auto* editor = form.findChild<QLineEdit*>("Text4");
  auto* preview = form.findChild<QPlainTextEdit*>("Text14");
  editor->setText("   /\\_/\\    Vellmar");
  editor->setFocus();

  std::vector<double> micros;
  const int keystrokes = 4000;
  for (int i = 0; i < keystrokes; ++i) {
    const bool type = i % 2 == 0;  // a letter, then Backspace, so the line stays short
    const auto start = std::chrono::steady_clock::now();
    if (type) {
      QTest::keyClick(editor, Qt::Key_X);
    } else {
      QTest::keyClick(editor, Qt::Key_Backspace);
    }
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    const bool shown = preview->toPlainText().contains("Vellmarx") == type;
    if (!shown) {
      std::fprintf(stderr, "the preview did not follow keystroke %d\n", i);
      return 1;
    }
  }
  std::sort(micros.begin(), micros.end());
  const double median = micros[micros.size() / 2];
  std::printf("keystroke to preview (median of %d): %.1f us (budget 50) %s\n", keystrokes, median,
              median < 50 ? "ok" : "OVER");
  return median < 50 ? 0 : 1;
}

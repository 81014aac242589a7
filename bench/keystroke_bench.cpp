// What Auto Preview adds to a keystroke: the same keystrokes (a letter, then Backspace) typed
// into a line editor of the real main window with Auto Preview on, and into a bare QLineEdit
// with the same font and nothing connected. The two take turns in blocks, so a busy moment of
// the machine falls on both alike, and the figure is the ratio of their medians.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/text_filter.h"
#include "commands/user_dialogs.h"
#include "core/preview.h"
#include "qt/bind_text.h"
#include "qt/main_window_widget.h"
#include "sound/audio_commands.h"

namespace {

constexpr double kBudget = 1.5;  // the preview may add at most half of a bare keystroke
constexpr int kBlocks = 40;      // per editor
constexpr int kKeystrokesPerBlock = 200;
constexpr int kPreviewRow = 3;  // Text4

// The keystroke needs no dialog and no sound; these answer like a silent user.
class NoDialogs : public vbe::UserDialogs {
 public:
  vbe::Answer ShowMessage(std::string_view, std::string_view, int) override {
    return vbe::Answer::Cancel;
  }
  std::optional<std::filesystem::path> ChooseFile(vbe::FileDialogMode,
                                                  const std::filesystem::path&) override {
    return std::nullopt;
  }
};

class NoAudio : public vbe::AudioCommands {
 public:
  int SendCommand(std::string_view) override { return 0; }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Gives `editor` the focus in its own active window, as a user typing into it would have it.
bool FocusForTyping(QLineEdit* editor) {
  QWidget* window = editor->window();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return false;
  editor->setFocus();
  QApplication::processEvents();
  return editor->hasFocus();
}

// Types one block of keystrokes into `editor`, adding the time of each to `micros`; `check`
// runs after each keystroke, outside the timing, and stops the block when it returns false.
template <typename Check>
bool TypeBlock(QLineEdit* editor, std::vector<double>& micros, Check check) {
  for (int i = 0; i < kKeystrokesPerBlock; ++i) {
    const bool letter = i % 2 == 0;  // a letter, then Backspace, so the line stays short
    const auto start = std::chrono::steady_clock::now();
    QTest::keyClick(editor, letter ? Qt::Key_X : Qt::Key_Backspace);
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    if (!check(letter)) return false;
  }
  QApplication::processEvents();  // the paints the block asked for, outside the timing
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  NoDialogs dialogs;
  NoAudio audio;
  vbe::MainWindowWidget form(
      {.drives = {}, .dialogs = &dialogs, .end_program = [] {}, .audio = &audio, .beep = [] {}});
  form.show();
  auto* editor = form.findChild<QLineEdit*>("Text4");
  auto* preview = form.findChild<QPlainTextEdit*>("Text14");
  const QString line = "   /\\_/\\    Vellmar";
  editor->setText(line);

  QLineEdit bare;
  bare.setFont(editor->font());
  bare.resize(editor->size());
  bare.setText(line);
  bare.show();

  // The preview row of the line typed into must show each keystroke, and at the end the whole
  // preview must be what a full recomposition gives.
  auto preview_follows = [&](bool letter) {
    const QString row = preview->document()->findBlockByNumber(kPreviewRow).text();
    return row == editor->text() && row.endsWith("Vellmarx") == letter;
  };
  auto bare_follows = [&](bool letter) { return bare.text().endsWith("Vellmarx") == letter; };

  std::vector<double> window_micros, bare_micros;
  for (int block = 0; block < kBlocks; ++block) {
    if (!FocusForTyping(editor)) {
      std::fprintf(stderr, "the main window's line editor did not take the focus\n");
      return 1;
    }
    if (!TypeBlock(editor, window_micros, preview_follows)) {
      std::fprintf(stderr, "the preview did not follow keystroke %zu\n", window_micros.size());
      return 1;
    }
    if (!FocusForTyping(&bare) || !TypeBlock(&bare, bare_micros, bare_follows)) {
      std::fprintf(stderr, "the bare line editor did not take keystroke %zu\n", bare_micros.size());
      return 1;
    }
  }
  if (preview->toPlainText() !=
      vbe::RowsToQString(vbe::BindTextToUtf16(vbe::BuildPreviewText(form.Behaviour().Lines())))) {
    std::fprintf(stderr, "the preview differs from a full recomposition of the lines\n");
    return 1;
  }

  const double with_preview = Median(window_micros);
  const double bare_line = Median(bare_micros);
  const double ratio = with_preview / bare_line;
  std::printf(
      "keystroke with Auto Preview / bare line editor (medians of %zu each): %.1f us / "
      "%.1f us, ratio %.2f (budget %.2f) %s\n",
      window_micros.size(), with_preview, bare_line, ratio, kBudget,
      ratio <= kBudget ? "ok" : "OVER");
  return ratio <= kBudget ? 0 : 1;
}

#include "app/main_window.h"

#include <algorithm>
#include <vector>

#include "app/command_guard.h"
#include "app/text_filter.h"
#include "commands/spacing_fixer_run.h"
#include "core/preview.h"
#include "forms/main_window.h"
#include "gamecfg/key_catalogue.h"
#include "sound/cue_player.h"

namespace vbe {

std::optional<int> LineAfterArrow(int line, LineArrow arrow) {
  const int target = arrow == LineArrow::Down ? line + 1 : line - 1;
  if (target < 1 || target > LineCount) return std::nullopt;
  return target;
}

std::chrono::milliseconds ExitWait(std::optional<std::chrono::milliseconds> cue_length) {
  if (!cue_length) return std::chrono::milliseconds(0);
  return std::min(*cue_length + CueOutputAllowance, LongestExitWait);
}

MainWindow::MainWindow(MainWindowView& view, const DriveTable& drives, UserDialogs& dialogs,
                       AudioCommands& audio)
    : view_(view), editor_{*this, dialogs, drives, audio} {}

void MainWindow::Load() {
  editor_.dialogs.SetFileDialog(ConfigFileFilter, OverwritePromptFlag);
  std::vector<std::u16string> names;
  names.reserve(std::size(KeyCatalogue));
  for (const std::string_view name : KeyCatalogue) names.push_back(BindTextToUtf16(name));
  view_.AddKeyNames(names);
}

void MainWindow::OnCommand(MainCommand command) {
  // Once the program has begun to end, only a second Exit does anything: it ends at once.
  if (exit_ != Exit::Running && command != MainCommand::Exit) return;
  RunGuarded(editor_.dialogs, [&] { RunCommand(command); });
}

// What each control of the main window does, in one place.
void MainWindow::RunCommand(MainCommand command) {
  switch (command) {
    case MainCommand::NewBind:
      NewBind(editor_);
      break;
    case MainCommand::StopCue:
      StopCue(editor_.audio);
      break;
    case MainCommand::OpenBind:
      OpenBind(editor_);
      break;
    case MainCommand::SaveBind:
      SaveBind(editor_);
      break;
    case MainCommand::UpdatePreview:
      ComposePreview();
      break;
    case MainCommand::Exit:
      ExitProgram();
      break;
    case MainCommand::Locate:
      ShowSecondary(SecondaryWindow::Locator);
      break;
    case MainCommand::ReadMe:
      ShowSecondary(SecondaryWindow::ReadMe);
      break;
    case MainCommand::SpacingFixer:
      RunSpacingFixer(*this, editor_.dialogs);
      break;
    case MainCommand::AutoPreview:
      // With Auto Preview on, the manual Update Preview has nothing to do.
      view_.EnableControl(kUpdatePreviewButton, !PreviewFollowsEdits(view_.AutoPreviewState()));
      break;
    // An option recolours the preview as it stands; the text is recomposed only by
    // ComposePreview.
    case MainCommand::UseWhite:
      RecolourPreview(TextColour::White);
      break;
    case MainCommand::UseYellow:
      RecolourPreview(TextColour::Yellow);
      break;
    case MainCommand::None:
      break;
  }
}

void MainWindow::OnLineChanged(int line) {
  RunGuarded(editor_.dialogs, [&] { FollowLineChange(line); });
}

void MainWindow::OnLineArrow(int line, LineArrow arrow) {
  if (const auto target = LineAfterArrow(line, arrow)) view_.FocusLine(*target);
}

void MainWindow::OnClose() {
  RunGuarded(editor_.dialogs, [&] { ExitProgram(); });
}

void MainWindow::RecolourPreview(TextColour colour) {
  view_.SetPreviewColour(colour == TextColour::White ? PreviewWhite : PreviewYellow);
}

void MainWindow::ComposePreview() {
  RecolourPreview(Colour());
  const BindLines lines = Lines();
  view_.SetPreviewText(BindTextToUtf16(BuildPreviewText(lines)));
  // A line holding a character that breaks a row would shift the rows below it; until the
  // next full composition, no single row can be replaced.
  preview_current_ = std::none_of(lines.begin(), lines.end(), [](const std::string& line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; });
  });
}

// While the preview shows the full composition, a changed line replaces the text of its own row
// only: recomposing all eight rows on every keystroke would lay the whole box out again. The
// colour needs no update, as the options recolour the preview whenever they change. Auto
// Preview off leaves the preview stale until it is recomposed.
void MainWindow::FollowLineChange(int line) {
  if (!PreviewFollowsEdits(view_.AutoPreviewState())) {
    preview_current_ = false;
    return;
  }
  // A line holding what no line may hold (a character that breaks a row, or one the code page
  // lacks) would not show in its row as a full composition shows it.
  const std::u16string text = view_.LineText(line);
  if (!preview_current_ || !std::all_of(text.begin(), text.end(), IsLineCharacter)) {
    ComposePreview();
    return;
  }
  view_.SetPreviewRow(line, text);
}

// A secondary window has one instance at a time: made on first use, and while it is open a
// second press restores it if minimised and brings it to the front.
void MainWindow::ShowSecondary(SecondaryWindow window) {
  if (!view_.IsOpen(window)) {
    view_.Open(window);
    return;
  }
  if (view_.IsMinimised(window)) view_.Restore(window);
  view_.Raise(window);
}

// Plays the exit cue, closes every window at once, without questions, and ends the program
// when the cue has played (LongestExitWait at most), so that the cue is heard. A second exit
// while the cue plays ends the program at once.
void MainWindow::ExitProgram() {
  if (exit_ == Exit::Waiting) EndProgram();
  if (exit_ != Exit::Running) return;
  PlayCue(editor_.audio, ExitCue);
  view_.Close(SecondaryWindow::ReadMe);
  view_.Close(SecondaryWindow::Locator);
  view_.HideMainWindow();
  const std::chrono::milliseconds wait = ExitWait(CueLength(editor_.drives, ExitCue));
  if (wait <= std::chrono::milliseconds(0)) {
    EndProgram();
    return;
  }
  exit_ = Exit::Waiting;
  view_.WaitForExitCue(wait);
}

void MainWindow::EndProgram() {
  if (exit_ == Exit::Ended) return;
  exit_ = Exit::Ended;
  view_.EndProgram();
}

void MainWindow::OnExitWaitOver() {
  if (exit_ == Exit::Waiting) EndProgram();
}

void MainWindow::OnSessionEnd() {
  if (exit_ == Exit::Waiting) EndProgram();
}

void MainWindow::OpenBindFile(const std::filesystem::path& file) {
  RunGuarded(editor_.dialogs, [&] {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    vbe::OpenBindFile(editor_, ec ? file : absolute);
  });
}

void MainWindow::OpenFromCommandLine(std::span<const std::filesystem::path> arguments) {
  if (!arguments.empty()) OpenBindFile(arguments.front());
}

bool MainWindow::TakesDroppedFiles(std::size_t count) {
  return count == 1;
}

bool MainWindow::OnFilesDropped(std::span<const std::filesystem::path> files) {
  if (!TakesDroppedFiles(files.size())) return false;
  OpenBindFile(files.front());
  return true;
}

void MainWindow::SetAutoexecFolder(const std::string& folder) {
  view_.SetAutoexecFolderText(BindTextToUtf16(folder));
}

std::string MainWindow::Line(int number) const {
  return Utf16ToBindText(view_.LineText(number));
}

void MainWindow::SetLine(int number, const std::string& text) {
  view_.SetLineText(number, FilterLineText(BindTextToUtf16(text), DisplayLineWidth));
}

void MainWindow::ReplaceFirstCharacter(int number, char character) {
  view_.ReplaceLineRange(number, 0, 1,
                         FilterLineText(BindTextToUtf16(std::string_view(&character, 1))));
}

TextColour MainWindow::Colour() const {
  return view_.WhiteSelected() ? TextColour::White : TextColour::Yellow;
}

// The colour follows the selected option also when an operation selects it.
void MainWindow::SetColour(TextColour colour) {
  view_.SelectColour(colour);
  RecolourPreview(colour);
}

std::string MainWindow::Key() const {
  return Utf16ToBindText(view_.KeyText());
}

bool MainWindow::AddToAutoexec() const {
  return view_.AutoexecChecked();
}

std::string MainWindow::AutoexecFolder() const {
  return Utf16ToBindText(view_.AutoexecFolderText());
}

}  // namespace vbe

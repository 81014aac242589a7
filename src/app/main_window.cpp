#include "app/main_window.h"

#include <algorithm>
#include <stdexcept>
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

bool HoldsLineBreak(std::u16string_view text) {
  return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

std::vector<std::u16string_view> PastedRows(std::u16string_view text) {
  std::vector<std::u16string_view> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of(u"\r\n", start), text.size());
    rows.push_back(text.substr(start, end - start));
    start = end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
  }
  if (rows.empty()) rows.emplace_back();
  return rows;
}

std::string RowsLeftOutMessage(int rows_that_fit) {
  return "Only the first " + std::to_string(rows_that_fit) + " rows fit; the rest were left out.";
}

std::chrono::milliseconds ExitWait(std::optional<std::chrono::milliseconds> cue_length) {
  if (!cue_length) return std::chrono::milliseconds(0);
  return std::min(*cue_length + CueOutputAllowance, LongestExitWait);
}

MainWindow::MainWindow(MainWindowView& view, Controls& controls, const DriveTable& drives,
                       UserDialogs& dialogs, AudioCommands& audio)
    : view_(view), controls_(controls), editor_{*this, dialogs, drives, audio} {}

const ControlRow& MainWindow::Row(const char* name) const {
  return RowNamed(MainWindowControls(), name);
}

const ControlRow& MainWindow::LineRow(int line) const {
  for (const ControlRow& row : MainWindowControls()) {
    if (row.line == line) return row;
  }
  throw std::logic_error("no line " + std::to_string(line));
}

void MainWindow::Load() {
  editor_.dialogs.SetFileDialog(ConfigFileFilter, OverwritePromptFlag);
  std::vector<std::u16string> names;
  names.reserve(std::size(KeyCatalogue));
  for (const std::string_view name : KeyCatalogue) names.push_back(BindTextToUtf16(name));
  controls_.AddItems(Row(kKeyChooser), names);
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
      controls_.Enable(Row(kUpdatePreviewButton), !PreviewFollowsEdits(AutoPreviewState()));
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
  if (const auto target = LineAfterArrow(line, arrow)) controls_.Focus(LineRow(*target));
}

void MainWindow::OnClose() {
  RunGuarded(editor_.dialogs, [&] { ExitProgram(); });
}

void MainWindow::OnPasteRows(int line, int from, int to, std::u16string_view text) {
  RunGuarded(editor_.dialogs, [&] { PasteRows(line, from, to, text); });
}

void MainWindow::OnInputRefused() {
  view_.Beep();
}

// Each line gets its row through the one filter; a line below takes its row whole, as a line
// the operations set. The first row keeps what an ordinary paste would keep of it.
void MainWindow::PasteRows(int line, int from, int to, std::u16string_view text) {
  const std::vector<std::u16string_view> rows = PastedRows(text);
  const std::size_t length = controls_.Text(LineRow(line)).size();
  KeptInsertion first = FilterInsertion(
      rows.front(), RoomLeft(length, static_cast<std::size_t>(to - from), DisplayLineWidth));
  bool refused = first.refused;
  if (!first.text.empty()) controls_.ReplaceText(LineRow(line), from, to, first.text);
  const std::size_t fit = std::min(rows.size(), static_cast<std::size_t>(LineCount - line + 1));
  for (std::size_t i = 1; i < fit; ++i) {
    KeptInsertion kept = FilterInsertion(rows[i], DisplayLineWidth);
    refused = refused || kept.refused;
    controls_.SetText(LineRow(line + static_cast<int>(i)), kept.text);
  }
  if (refused) view_.Beep();
  if (fit < rows.size()) {
    editor_.dialogs.ShowMessage(RowsLeftOutMessage(static_cast<int>(fit)), PasteTitle,
                                PasteMessageStyle);
  }
}

std::u16string MainWindow::BindAsText(std::u16string_view row_break) const {
  std::u16string text;
  for (int line = 1; line <= LineCount; ++line) {
    if (line > 1) text += row_break;
    text += controls_.Text(LineRow(line));
  }
  return text;
}

void MainWindow::RecolourPreview(TextColour colour) {
  controls_.SetTextColour(Row(kPreviewBox),
                          colour == TextColour::White ? PreviewWhite : PreviewYellow);
}

void MainWindow::ComposePreview() {
  RecolourPreview(Colour());
  const BindLines lines = Lines();
  controls_.SetText(Row(kPreviewBox), BindTextToUtf16(BuildPreviewText(lines)));
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
  if (!PreviewFollowsEdits(AutoPreviewState())) {
    preview_current_ = false;
    return;
  }
  // A line holding what no line may hold (a character that breaks a row, or one the code page
  // lacks) would not show in its row as a full composition shows it.
  const std::u16string text = controls_.Text(LineRow(line));
  if (!preview_current_ || !std::all_of(text.begin(), text.end(), IsLineCharacter)) {
    ComposePreview();
    return;
  }
  controls_.SetTextRow(Row(kPreviewBox), line - 1, text);
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
  controls_.SetText(Row(kAutoexecFolderBox), BindTextToUtf16(folder));
}

std::string MainWindow::Line(int number) const {
  return Utf16ToBindText(controls_.Text(LineRow(number)));
}

void MainWindow::SetLine(int number, const std::string& text) {
  controls_.SetText(LineRow(number), FilterLineText(BindTextToUtf16(text), DisplayLineWidth));
}

void MainWindow::ReplaceFirstCharacter(int number, char character) {
  controls_.ReplaceText(LineRow(number), 0, 1,
                        FilterLineText(BindTextToUtf16(std::string_view(&character, 1))));
}

TextColour MainWindow::Colour() const {
  return controls_.Check(Row(kWhiteOption)) ? TextColour::White : TextColour::Yellow;
}

// The colour follows the selected option also when an operation selects it.
void MainWindow::SetColour(TextColour colour) {
  // The chosen option first: unchecking the checked option of a group may be refused.
  const bool white = colour == TextColour::White;
  controls_.SetCheck(Row(white ? kWhiteOption : kYellowOption), 1);
  controls_.SetCheck(Row(white ? kYellowOption : kWhiteOption), 0);
  RecolourPreview(colour);
}

std::string MainWindow::Key() const {
  return Utf16ToBindText(controls_.Text(Row(kKeyChooser)));
}

bool MainWindow::AddToAutoexec() const {
  return controls_.Check(Row(kAutoexecCheck)) == 1;
}

std::string MainWindow::AutoexecFolder() const {
  return Utf16ToBindText(controls_.Text(Row(kAutoexecFolderBox)));
}

}  // namespace vbe

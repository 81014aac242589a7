// Each window's behaviour, written once for every front end.
//
// A front end (qt/, win32/) realises the controls of a window's table in forms/, implements
// Controls (controls.h) over them once for every window and the window's own view below, and
// forwards every event to the window's behaviour here: a control's
// event as the typed command of its row, a line editor's change and its Up and Down keys, a
// drop, the window's close. It decides nothing. The behaviour decides what each event does and
// runs the operations of commands/; it reads and sets the controls only through Controls, by
// their rows, as UTF-16 text (text_filter.h converts and filters).
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "commands/operations.h"
#include "forms/layout.h"
#include "forms/main_window.h"

namespace vbe {

enum class SecondaryWindow { Locator, ReadMe };

// The main window itself as its behaviour uses it; its controls are the window's Controls.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // The locator and the read-me window. Open makes a new window (with its own behaviour) and
  // shows it in front; Raise shows an open one again in front; Close closes one if open.
  virtual bool IsOpen(SecondaryWindow window) const = 0;
  virtual bool IsMinimised(SecondaryWindow window) const = 0;
  virtual void Open(SecondaryWindow window) = 0;
  virtual void Restore(SecondaryWindow window) = 0;
  virtual void Raise(SecondaryWindow window) = 0;
  virtual void Close(SecondaryWindow window) = 0;

  // Hides the main window at once, so the program looks ended while its exit cue plays.
  virtual void HideMainWindow() = 0;
  // After `wait`, calls the behaviour's OnExitWaitOver, by a timer of the window's own event
  // loop, which runs on meanwhile.
  virtual void WaitForExitCue(std::chrono::milliseconds wait) = 0;
  // Ends the program at once.
  virtual void EndProgram() = 0;

  // The system's warning sound, for text a line editor refused.
  virtual void Beep() = 0;
};

// The longest Exit waits for its cue, hidden, before the program ends.
inline constexpr std::chrono::milliseconds LongestExitWait{3000};
// What an audio device holds in its buffers beyond the end of the sound it was handed.
inline constexpr std::chrono::milliseconds CueOutputAllowance{250};

// How long Exit waits for its cue before the program ends: the cue's length and the output's
// allowance, at most LongestExitWait; no wait for a cue whose length cannot be told.
std::chrono::milliseconds ExitWait(std::optional<std::chrono::milliseconds> cue_length);

// The Up and Down arrows move between the line editors as between the lines of one text.
enum class LineArrow { Up, Down };
// The line (1 to 8) an arrow key in line `line` moves the focus to; nothing past the first or
// the last line. Shift, Ctrl and Alt do not matter, and the key is not swallowed.
std::optional<int> LineAfterArrow(int line, LineArrow arrow);

// Whether pasted or dropped text holds a line break (CR LF, LF or CR): then it is taken as rows
// for the lines, not as text for one line.
bool HoldsLineBreak(std::u16string_view text);
// The rows of pasted text, split at CR LF, LF and CR; a line break at the end adds no empty row.
std::vector<std::u16string_view> PastedRows(std::u16string_view text);

// The title and text of the box that tells that a paste held more rows than there are lines
// below the caret's line.
inline constexpr const char* PasteTitle = "Paste";
std::string RowsLeftOutMessage(int rows_that_fit);
inline constexpr int PasteMessageStyle = 64;
// The item the preview's context menu adds: the whole bind as text on the clipboard.
inline constexpr const char* CopyBindCaption = "Copy &bind";

// Auto Preview (Check1) is on only when checked (1), not when cleared (0) or greyed (2): then
// every change of a line recomposes the preview.
constexpr bool PreviewFollowsEdits(int check1_value) {
  return check1_value == 1;
}

// The main window's behaviour: what each of its events does. It holds the one bind in the
// window's controls and is the document the operations work on.
class MainWindow : public BindDocument {
 public:
  MainWindow(MainWindowView& view, Controls& controls, const DriveTable& drives,
             UserDialogs& dialogs, AudioCommands& audio);

  // The load step, before the window is first shown: the file dialog's filter list and
  // overwrite prompt, and the key names in Combo1's list.
  void Load();

  // The events of the window's controls. Each runs to its end; an exception inside one is
  // shown as "The command stopped" and the window goes on.
  void OnCommand(MainCommand command);
  void OnLineChanged(int line);
  void OnLineArrow(int line, LineArrow arrow);
  // The window's close control.
  void OnClose();
  // A paste or drop of text holding line breaks into line `line` over its characters
  // [from, to) (the selection, or the caret when from == to): the first row goes there as any
  // paste does, each further row replaces a whole line below, down to the last line. What the
  // filter refuses sounds the warning; rows past the last line are left out, and a box says so.
  void OnPasteRows(int line, int from, int to, std::u16string_view text);
  // A line editor refused some of what was typed, pasted or dropped into it.
  void OnInputRefused();
  // The eight lines as one text, `row_break` between rows, for the clipboard's "Copy bind".
  std::u16string BindAsText(std::u16string_view row_break) const;
  // The wait for the exit cue is over (WaitForExitCue's timer).
  void OnExitWaitOver();
  // The desktop session is ending: an exit that waits for its cue ends at once. A window still
  // in use stays; the session closes it as it closes every window.
  void OnSessionEnd();

  // Opens a bind file the user named outside the open dialog, without cue or dialog; a file
  // that cannot be read is reported in one box. A relative name is taken from the current
  // folder.
  void OpenBindFile(const std::filesystem::path& file);
  // The arguments the program was started with, its own name left out: the first names a bind
  // file to open. Call it once the window is shown, so that a box stands over the window.
  void OpenFromCommandLine(std::span<const std::filesystem::path> arguments);
  // Whether a drop of that many files is taken: one file, never more.
  static bool TakesDroppedFiles(std::size_t count);
  // A drop of files on the window: one opens as OpenBindFile does; any other number is refused.
  // Answers whether the drop was taken.
  bool OnFilesDropped(std::span<const std::filesystem::path> files);

  // The locator's Ok puts its folder into Text15.
  void SetAutoexecFolder(const std::string& folder);

  const DriveTable& Drives() const { return editor_.drives; }
  UserDialogs& Dialogs() { return editor_.dialogs; }

  // BindDocument, over the view. A line set here goes through the line filter, so a line holds
  // the same characters however it got its text.
  std::string Line(int number) const override;
  void SetLine(int number, const std::string& text) override;
  void ReplaceFirstCharacter(int number, char character) override;
  TextColour Colour() const override;
  void SetColour(TextColour colour) override;
  std::string Key() const override;
  bool AddToAutoexec() const override;
  std::string AutoexecFolder() const override;
  std::filesystem::path FileName() const override { return file_name_; }
  void SetFileName(const std::filesystem::path& file_name) override { file_name_ = file_name; }

 private:
  void RunCommand(MainCommand command);
  // The controls by role.
  const ControlRow& Row(const char* name) const;
  void ComposePreview();
  void FollowLineChange(int line);
  void RecolourPreview(TextColour colour);
  void ShowSecondary(SecondaryWindow window);
  void ExitProgram();
  void PasteRows(int line, int from, int to, std::u16string_view text);

  const ControlRow& LineRow(int line) const;
  // Check1 "Auto Preview": 0 cleared, 1 checked, 2 greyed.
  int AutoPreviewState() const { return controls_.Check(Row(kAutoPreviewCheck)); }
  void EndProgram();

  MainWindowView& view_;
  Controls& controls_;
  EditorServices editor_;
  std::filesystem::path file_name_;
  // Whether the preview shows exactly what ComposePreview would show now, one row a line, so
  // that a change of one line needs only that line's row replaced.
  bool preview_current_ = false;
  // Running; hidden while the exit cue plays; ended.
  enum class Exit { Running, Waiting, Ended };
  Exit exit_ = Exit::Running;
};

}  // namespace vbe

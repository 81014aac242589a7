// Each window's behaviour, written once for every front end.
//
// A front end (qt/, win32/) realises the controls of a window's table in forms/, implements the
// window's view below and forwards every event to the window's behaviour here: a control's
// event as the typed command of its row, a line editor's change and its Up and Down keys, a
// drop, the window's close. It decides nothing. The behaviour decides what each event does and
// runs the operations of commands/; it reads and sets the controls only through the view, as
// UTF-16 text (text_filter.h converts and filters).
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "commands/operations.h"
#include "forms/layout.h"

namespace vbe {

enum class SecondaryWindow { Locator, ReadMe };

// The main window's controls as its behaviour reads and sets them. Lines are numbered 1 to 8.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // A line editor's text. Setting it replaces the whole text; the editor's change event follows
  // as for any other change, and the front end forwards it (OnLineChanged).
  virtual std::u16string LineText(int line) const = 0;
  virtual void SetLineText(int line, std::u16string_view text) = 0;
  // Selects characters [from, to) of a line and types `text` over them: one change, the caret
  // after `text`.
  virtual void ReplaceLineRange(int line, int from, int to, std::u16string_view text) = 0;
  virtual void FocusLine(int line) = 0;

  // The option buttons. Selecting one sends no click of its own.
  virtual bool WhiteSelected() const = 0;
  virtual void SelectColour(TextColour colour) = 0;
  // Check1 "Auto Preview": 0 cleared, 1 checked, 2 greyed.
  virtual int AutoPreviewState() const = 0;
  // Check2 "Add bind to autoexec for me after saving".
  virtual bool AutoexecChecked() const = 0;
  // Combo1's text, and its list: the names are appended, the text stays as it is.
  virtual std::u16string KeyText() const = 0;
  virtual void AddKeyNames(std::span<const std::u16string> names) = 0;
  // Text15, the folder of autoexec.cfg.
  virtual std::u16string AutoexecFolderText() const = 0;
  virtual void SetAutoexecFolderText(std::u16string_view folder) = 0;

  // The preview box Text14: its whole text (rows joined by CR LF), one row's text (row 1 to 8,
  // the preview holding exactly eight rows), and its text colour.
  virtual void SetPreviewText(std::u16string_view text) = 0;
  virtual void SetPreviewRow(int row, std::u16string_view text) = 0;
  virtual void SetPreviewColour(LayoutColour colour) = 0;

  // Enables or disables a control named in the window's table.
  virtual void EnableControl(const char* name, bool enabled) = 0;

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

// Auto Preview (Check1) is on only when checked (1), not when cleared (0) or greyed (2): then
// every change of a line recomposes the preview.
constexpr bool PreviewFollowsEdits(int check1_value) {
  return check1_value == 1;
}

// The main window's behaviour: what each of its events does. It holds the one bind in the
// window's controls and is the document the operations work on.
class MainWindow : public BindDocument {
 public:
  MainWindow(MainWindowView& view, const DriveTable& drives, UserDialogs& dialogs,
             AudioCommands& audio);

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
  void ComposePreview();
  void FollowLineChange(int line);
  void RecolourPreview(TextColour colour);
  void ShowSecondary(SecondaryWindow window);
  void ExitProgram();
  void EndProgram();

  MainWindowView& view_;
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

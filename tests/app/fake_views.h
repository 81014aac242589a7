#pragma once

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/locator.h"
#include "app/main_window.h"
#include "app/readme.h"
#include "app/text_filter.h"
#include "core/preview.h"
#include "forms/main_window.h"
#include "support/editor_fixture.h"

namespace vbe::testing {

inline std::string Bytes(std::u16string_view text) {
  return Utf16ToBindText(text);
}

// The main window's controls in memory, behaving as real ones do: a line's change reaches the
// behaviour as the change event would, only when the text changes.
class FakeMainView : public MainWindowView {
 public:
  MainWindow* window = nullptr;
  std::array<std::u16string, LineCount> lines;
  bool white = true;
  int auto_preview = 1;
  bool autoexec = false;
  std::u16string key = u"Choose your key";
  std::vector<std::u16string> key_names;
  std::u16string folder = u"c:\\program files\\Vellmar\\main";
  std::u16string preview;
  LayoutColour preview_colour = PreviewWhite;
  int full_previews = 0;
  int row_previews = 0;
  std::set<std::string> disabled = {kUpdatePreviewButton};
  int focused_line = 0;
  std::set<SecondaryWindow> open, minimised;
  std::vector<std::string> window_calls;  // "open 0", "restore 1", "raise 0", "close 1"
  int program_ends = 0;
  bool hidden = false;
  std::vector<std::chrono::milliseconds> exit_waits;
  bool throw_on_state = false;  // Check1's state cannot be read

  // What the user's edit of a line does: the control takes it and sends its change.
  void UserEdits(int line, std::u16string text) {
    lines.at(line - 1) = std::move(text);
    window->OnLineChanged(line);
  }

  std::u16string LineText(int line) const override { return lines.at(line - 1); }
  void SetLineText(int line, std::u16string_view text) override {
    if (lines.at(line - 1) == text) return;
    UserEdits(line, std::u16string(text));
  }
  void ReplaceLineRange(int line, int from, int to, std::u16string_view text) override {
    std::u16string edited = lines.at(line - 1);
    edited.replace(from, to - from, text);
    UserEdits(line, edited);
  }
  void FocusLine(int line) override { focused_line = line; }
  bool WhiteSelected() const override { return white; }
  void SelectColour(TextColour colour) override { white = colour == TextColour::White; }
  int AutoPreviewState() const override {
    if (throw_on_state) throw std::runtime_error("no state");
    return auto_preview;
  }
  bool AutoexecChecked() const override { return autoexec; }
  std::u16string KeyText() const override { return key; }
  void AddKeyNames(std::span<const std::u16string> names) override {
    key_names.insert(key_names.end(), names.begin(), names.end());
  }
  std::u16string AutoexecFolderText() const override { return folder; }
  void SetAutoexecFolderText(std::u16string_view text) override { folder = text; }
  void SetPreviewText(std::u16string_view text) override {
    preview = text;
    ++full_previews;
  }
  void SetPreviewRow(int row, std::u16string_view text) override {
    std::vector<std::u16string> rows;
    for (std::size_t start = 0;;) {
      const std::size_t end = preview.find(u"\r\n", start);
      rows.push_back(preview.substr(start, end - start));
      if (end == std::u16string::npos) break;
      start = end + 2;
    }
    ASSERT_EQ(rows.size(), 8u) << "a row is replaced only in a preview of eight rows";
    rows.at(row - 1) = text;
    preview.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) preview += (i ? u"\r\n" : u"") + rows[i];
    ++row_previews;
  }
  void SetPreviewColour(LayoutColour colour) override { preview_colour = colour; }
  void EnableControl(const char* name, bool enabled) override {
    enabled ? void(disabled.erase(name)) : void(disabled.insert(name));
  }
  bool IsOpen(SecondaryWindow w) const override { return open.contains(w); }
  bool IsMinimised(SecondaryWindow w) const override { return minimised.contains(w); }
  void Open(SecondaryWindow w) override {
    Call("open", w);
    open.insert(w);
  }
  void Restore(SecondaryWindow w) override {
    Call("restore", w);
    minimised.erase(w);
  }
  void Raise(SecondaryWindow w) override { Call("raise", w); }
  void Close(SecondaryWindow w) override {
    if (open.erase(w)) Call("close", w);
  }
  void HideMainWindow() override { hidden = true; }
  void WaitForExitCue(std::chrono::milliseconds wait) override { exit_waits.push_back(wait); }
  void EndProgram() override { ++program_ends; }

 private:
  void Call(const char* what, SecondaryWindow w) {
    window_calls.push_back(std::string(what) +
                           (w == SecondaryWindow::Locator ? " locator" : " readme"));
  }
};

// The real main window behaviour over the fake view and the editor fixture's drive c:,
// scripted user and recorded sound.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    drives.SetDrive('c', disk.path());
    view.window = &window;
  }
  std::u16string FullPreview() { return BindTextToUtf16(BuildPreviewText(window.Lines())); }

  TempFolder disk;
  DriveTable drives;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  FakeMainView view;
  MainWindow window{view, drives, dialogs, audio};
};

}  // namespace vbe::testing

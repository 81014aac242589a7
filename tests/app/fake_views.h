#pragma once

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
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

// One control's state in memory.
struct FakeControl {
  std::u16string text;
  int check = 0;
  bool enabled = true;
  LayoutColour colour;
  std::vector<std::u16string> added;  // AddItems
  std::vector<ListItem> items;        // SetItems
  int selection = -1;
  int full_sets = 0;  // SetText
  int row_sets = 0;   // SetTextRow
};

// A window's controls in memory, one state a row of its table, behaving as real ones do: a line
// editor's change reaches the behaviour as its change event would, only when the text changes.
class FakeControls : public Controls {
 public:
  explicit FakeControls(std::span<const ControlRow> rows) : rows_(rows), states_(rows.size()) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      states_[i].text = BindTextToUtf16(rows[i].caption);
      states_[i].check = rows[i].checked ? 1 : 0;
      states_[i].enabled = rows[i].enabled;
      states_[i].colour = rows[i].text;
    }
  }
  FakeControl& operator[](std::string_view name) { return State(RowNamed(rows_, name)); }
  FakeControl& State(const ControlRow& row) {
    return states_.at(static_cast<std::size_t>(&row - rows_.data()));
  }
  const FakeControl& State(const ControlRow& row) const {
    return states_.at(static_cast<std::size_t>(&row - rows_.data()));
  }

  std::function<void(int line)> on_line_change;
  bool throw_on_check = false;  // no check state can be read
  const ControlRow* focused = nullptr;

  // What the user's edit of a line does: the control takes it and sends its change.
  void UserEdits(int line, std::u16string text) {
    for (const ControlRow& row : rows_) {
      if (row.line == line) State(row).text = std::move(text);
    }
    on_line_change(line);
  }
  std::u16string& Line(int line) { return (*this)["Text" + std::to_string(line)].text; }

  std::u16string Text(const ControlRow& row) const override {
    const FakeControl& state = State(row);
    if (row.kind != ControlKind::DriveList) return state.text;
    return state.selection < 0 ? u"" : state.items.at(state.selection).text;
  }
  void SetText(const ControlRow& row, std::u16string_view text) override {
    if (row.line) {
      if (State(row).text != text) UserEdits(row.line, std::u16string(text));
      return;
    }
    State(row).text = text;
    ++State(row).full_sets;
  }
  void ReplaceText(const ControlRow& row, int from, int to, std::u16string_view text) override {
    std::u16string edited = State(row).text;
    edited.replace(from, to - from, text);
    UserEdits(row.line, edited);
  }
  void SetTextRow(const ControlRow& row, int index, std::u16string_view text) override {
    std::u16string& shown = State(row).text;
    std::vector<std::u16string> rows;
    for (std::size_t start = 0;;) {
      const std::size_t end = shown.find(u"\r\n", start);
      rows.push_back(shown.substr(start, end - start));
      if (end == std::u16string::npos) break;
      start = end + 2;
    }
    ASSERT_EQ(rows.size(), 8u) << "a row is replaced only in a preview of eight rows";
    rows.at(index) = text;
    shown.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) shown += (i ? u"\r\n" : u"") + rows[i];
    ++State(row).row_sets;
  }
  void SetTextColour(const ControlRow& row, LayoutColour colour) override {
    State(row).colour = colour;
  }
  int Check(const ControlRow& row) const override {
    if (throw_on_check) throw std::runtime_error("no state");
    return State(row).check;
  }
  void SetCheck(const ControlRow& row, int state) override {
    if (row.kind == ControlKind::OptionButton && state) {
      for (const ControlRow& other : rows_) {
        if (other.kind == ControlKind::OptionButton) State(other).check = 0;
      }
    }
    State(row).check = state;
  }
  void Enable(const ControlRow& row, bool enabled) override { State(row).enabled = enabled; }
  void Focus(const ControlRow& row) override { focused = &row; }
  void AddItems(const ControlRow& row, std::span<const std::u16string> items) override {
    State(row).added.insert(State(row).added.end(), items.begin(), items.end());
  }
  void SetItems(const ControlRow& row, std::span<const ListItem> items, int selected) override {
    State(row).items.assign(items.begin(), items.end());
    State(row).selection = selected;
  }
  int Selection(const ControlRow& row) const override { return State(row).selection; }

 private:
  std::span<const ControlRow> rows_;
  std::vector<FakeControl> states_;
};

// The main window in memory: its controls, and what it was asked to do with its secondary
// windows.
class FakeMainView : public MainWindowView, public FakeControls {
 public:
  FakeMainView() : FakeControls(MainWindowControls()) {}
  std::set<SecondaryWindow> open, minimised;
  std::vector<std::string> window_calls;  // "open locator", "restore readme", ...
  int program_ends = 0;

  bool White() { return (*this)[kWhiteOption].check == 1; }
  int FocusedLine() const { return focused ? focused->line : 0; }

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
  void Beep() override { ++beeps; }
  int beeps = 0;
  bool hidden = false;
  std::vector<std::chrono::milliseconds> exit_waits;

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
    view.on_line_change = [this](int line) { window.OnLineChanged(line); };
  }
  std::u16string FullPreview() { return BindTextToUtf16(BuildPreviewText(window.Lines())); }

  TempFolder disk;
  DriveTable drives;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  FakeMainView view;
  MainWindow window{view, view, drives, dialogs, audio};
};

}  // namespace vbe::testing

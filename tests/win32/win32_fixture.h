#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "forms/locator_window.h"
#include "forms/main_window.h"
#include "forms/readme_window.h"
#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "win32/control_table.h"
#include "win32/form1.h"
#include "win32/wide_text.h"

namespace vbe::testing {

// The table of one of the program's windows, told by its window class.
inline std::span<const ControlRow> TableOf(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring_view(name) == L"VbeForm2") return LocatorWindowControls();
  if (std::wstring_view(name) == L"VbeForm3") return {&ReadMeTextRow, 1};
  return MainWindowControls();
}

// The control of that name in a window; the test fails clearly when there is none.
inline HWND Control(HWND window, const char* name) {
  HWND control = FindControl(window, TableOf(window), name);
  if (!control) throw std::runtime_error(std::string("no control named ") + name);
  return control;
}

inline const char* NameOf(HWND control) {
  const ControlRow* row = RowOf(TableOf(GetParent(control)), control);
  return row ? row->name : "(unnamed)";
}

inline std::wstring WindowText(HWND window) {
  return Wide(WindowText16(window));
}

// Runs what is waiting in the thread's queue, as the message loop would.
inline void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Runs the queue until `done` holds or two seconds pass: the X server answers some requests,
// such as a maximised window's new size, only after a round trip.
template <typename Condition>
bool PumpUntil(Condition done) {
  for (int i = 0; i < 100 && !done(); ++i) {
    Pump();
    Sleep(20);
  }
  return done();
}

// Each character as the keyboard delivers it to the focused editor.
inline void Type(HWND editor, std::wstring_view text) {
  for (wchar_t c : text) SendMessageW(editor, WM_CHAR, c, 1);
}

inline void Click(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
  Pump();
}

inline LRESULT CheckState(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0);
}

// The real main window, shown, with drive c: on a fresh folder, a scripted user and recorded
// sound.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { Start(); }
  ~MainWindowTest() override {
    form.reset();
    Pump();
  }

  // Builds the window afresh; drive d: lies on `drive_d` when one is given.
  void Start(const std::filesystem::path& drive_d = {}) {
    form.reset();
    Form1Host host;
    host.drives.SetDrive('c', disk.path());
    if (!drive_d.empty()) host.drives.SetDrive('d', drive_d);
    host.dialogs = &dialogs;
    host.audio = &audio;
    host.end_program = [this] { ++ends; };
    host.beep = [this] { ++beeps; };
    form = std::make_unique<Form1>(std::move(host));
    form->Show(SW_SHOWNORMAL);
    SetForegroundWindow(form->Window());
    Pump();
  }

  HWND Window() const { return form->Window(); }
  HWND Get(const char* name) const { return Control(form->Window(), name); }
  HWND Line(int k) const { return Get(("Text" + std::to_string(k)).c_str()); }
  std::wstring Preview() const { return WindowText(Get("Text14")); }
  // The text colour the window gives the read-only preview box to draw with.
  COLORREF PreviewColour() const {
    const HWND box = Get("Text14");
    HDC dc = GetDC(box);
    SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(box));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(box, dc);
    return colour;
  }

  TempFolder disk;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  int ends = 0;
  int beeps = 0;  // the warning sounds of refused text
  std::unique_ptr<Form1> form;
};

}  // namespace vbe::testing

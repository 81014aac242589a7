#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "win32/control_table.h"
#include "win32/form1.h"
#include "win32/wide_text.h"

namespace vbe::testing {

// A fresh folder under the system's temporary folder, removed when the test ends.
class WindowsTempFolder {
 public:
  WindowsTempFolder() {
    static std::atomic<int> count{0};
    path_ =
        std::filesystem::temp_directory_path() /
        (L"vbe-win32-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(count++));
    std::filesystem::create_directories(path_);
  }
  ~WindowsTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  WindowsTempFolder(const WindowsTempFolder&) = delete;
  WindowsTempFolder& operator=(const WindowsTempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

// The control of that name in a window; the test fails clearly when there is none.
inline HWND Control(HWND window, const char* name) {
  HWND control = FindControl(window, name);
  if (!control) throw std::runtime_error(std::string("no control named ") + name);
  return control;
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
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

inline void SetClipboardText(HWND owner, std::wstring_view text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
  std::copy(text.begin(), text.end(), chars);
  chars[text.size()] = L'\0';
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// The real main window, shown, with drive c: on a fresh folder, a scripted user and recorded
// sound.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    Form1Host host;
    host.drives.SetDrive('c', disk.path());
    host.dialogs = &dialogs;
    host.audio = &audio;
    host.end_program = [this] { ++ends; };
    form = std::make_unique<Form1>(std::move(host));
    form->Show(SW_SHOWNORMAL);
    SetForegroundWindow(form->Window());
    Pump();
  }
  ~MainWindowTest() override {
    form.reset();
    Pump();
  }

  HWND Window() const { return form->Window(); }
  HWND Get(const char* name) const { return Control(form->Window(), name); }
  HWND Line(int k) const { return Get(("Text" + std::to_string(k)).c_str()); }

  WindowsTempFolder disk;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  int ends = 0;
  std::unique_ptr<Form1> form;
};

}  // namespace vbe::testing

#include <windows.h>

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "win32/editor_app.h"
#include "win32/form1.h"
#include "win32/wide_text.h"

namespace {

// Held while the program runs, so that its installer and uninstaller can see a running copy
// and refuse to replace or remove its files.
constexpr wchar_t RunningMutexName[] = L"Global\\VellmarBindEditorRunning";

bool WriteToConsole(HANDLE console, const std::string& text) {
  const std::wstring wide = vbe::Utf8ToWide(text);
  DWORD written = 0;
  return WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

// Writes `text` where the program's standard stream `which` goes: a console, file or pipe it
// was handed, else the console of the program that started it. False when there is none.
bool WriteToStream(DWORD which, const std::string& text) {
  if (text.empty()) return true;
  HANDLE handle = GetStdHandle(which);
  if (handle && handle != INVALID_HANDLE_VALUE) {
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) return WriteToConsole(handle, text);
    DWORD written = 0;
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
  // A window program started from a console has none of its own: it borrows its parent's.
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) {
    return false;
  }
  HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (console == INVALID_HANDLE_VALUE) return false;
  const bool ok = WriteToConsole(console, text);
  CloseHandle(console);
  return ok;
}

// The program's answer to --help, --version or a command line it does not understand: on the
// console it was started from, or else in a message box.
void Report(const vbe::StartDecision& start) {
  const bool shown = WriteToStream(STD_OUTPUT_HANDLE, start.output) &&
                     WriteToStream(STD_ERROR_HANDLE, start.error);
  if (shown) return;
  const std::wstring text = vbe::Utf8ToWide(start.output + start.error);
  MessageBoxW(nullptr, text.c_str(), L"Vellmar Bind Editor",
              start.exit_status == 0 ? MB_ICONINFORMATION : MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // The arguments as the system gives them, in UTF-16; the decision reads them as UTF-8, and the
  // file is opened by its UTF-16 name.
  const std::vector<std::filesystem::path> files = vbe::CommandLineArguments(GetCommandLineW());
  std::vector<std::string> arguments;
  for (const auto& file : files) arguments.push_back(vbe::WideToUtf8(file.wstring()));

  const vbe::StartDecision start = vbe::DecideStart(arguments);
  if (!start.open_window) {
    Report(start);
    return start.exit_status;
  }
  HANDLE running = CreateMutexW(nullptr, FALSE, RunningMutexName);
  // A bind file named on the command line ("Open With" names it so) opens once the window is
  // shown, so that a box about it stands over the window.
  const int status = vbe::RunEditor(instance, show, [&](vbe::Form1& form1) {
    if (start.file) form1.Behaviour().OpenFromCommandLine(std::span(&files[*start.file], 1));
  });
  if (running) CloseHandle(running);
  return status;
}

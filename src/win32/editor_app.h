#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <vector>

namespace vbe {

class Form1;

// Runs the editor: the main window, shown with `show_command`, until the program ends.
// `after_show` may look at the window once it is shown (the benchmarks do).
int RunEditor(HINSTANCE instance, int show_command,
              const std::function<void(Form1&)>& after_show = {});

// The arguments of a command line as the shell splits them, the program's own name left out.
std::vector<std::filesystem::path> CommandLineArguments(const wchar_t* command_line);

// The dialog keys of the program's windows (Tab, access keys with Alt, arrows among option
// buttons): true when `message` was one and has been handled. Plain letters stay with the
// control that has the focus, so only Alt reaches an access key.
bool HandleDialogKeys(MSG& message);

}  // namespace vbe

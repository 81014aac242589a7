#include "win32/editor_app.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "win32/form1.h"
#include "win32/shell_library.h"

namespace vbe {

bool HandleDialogKeys(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!root) return false;
  if (message.message == WM_CHAR) {
    const auto wants = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                    reinterpret_cast<LPARAM>(&message));
    if (!(wants & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) && message.wParam != VK_TAB &&
        message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) {
      return false;
    }
  }
  return IsDialogMessageW(root, &message);
}

std::vector<std::filesystem::path> CommandLineArguments(const wchar_t* command_line) {
  // The program's own name runs to the next quote when it starts with one, else to the first
  // blank. Most starts name nothing after it and need no shell to split the rest.
  const wchar_t* rest = command_line;
  if (*rest == L'"') {
    for (++rest; *rest && *rest != L'"';) ++rest;
    if (*rest) ++rest;
  } else {
    while (*rest && *rest != L' ' && *rest != L'\t') ++rest;
  }
  while (*rest == L' ' || *rest == L'\t') ++rest;
  if (!*rest) return {};
  using SplitFn = wchar_t**(WINAPI*)(const wchar_t*, int*);
  const auto split = ShellFunction<SplitFn>("CommandLineToArgvW");
  if (!split) return {};
  int count = 0;
  wchar_t** arguments = split(command_line, &count);
  if (!arguments) return {};
  std::vector<std::filesystem::path> files(arguments + std::min(count, 1), arguments + count);
  LocalFree(arguments);
  return files;
}

int RunEditor(HINSTANCE, int show_command, const std::function<void(Form1&)>& after_show) {
  EnablePerMonitorDpi();
  Form1Host host;
  host.drives = DriveTable::ForThisHost();
  Form1 form1(std::move(host));
  form1.Show(show_command);
  if (after_show) after_show(form1);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace vbe

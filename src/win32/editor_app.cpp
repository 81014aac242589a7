#include "win32/editor_app.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "win32/form1.h"

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
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(command_line, &count);
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

#include <windows.h>

#include <algorithm>
#include <string>

#include "sound/command_interpreter.h"

namespace vbe {
namespace {

// Sends each command to mciSendStringA of winmm.dll, loaded on the first command from the
// system folder only, so that no file of that name beside the program is ever loaded.
class WinmmAudioCommands : public AudioCommands {
 public:
  int SendCommand(std::string_view command) override {
    if (!loaded_) {
      loaded_ = true;
      if (HMODULE winmm = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        send_ = reinterpret_cast<SendFn>(
            reinterpret_cast<void*>(GetProcAddress(winmm, "mciSendStringA")));
      }
    }
    if (!send_) return 1;
    const std::string text(command);
    char reply[129];
    std::fill(reply, reply + 128, ' ');  // the reply buffer: 128 spaces, never read
    reply[128] = '\0';
    return static_cast<int>(send_(text.c_str(), reply, 128, nullptr));
  }

 private:
  using SendFn = DWORD(WINAPI*)(LPCSTR, LPSTR, UINT, HANDLE);
  bool loaded_ = false;
  SendFn send_ = nullptr;
};

}  // namespace

std::unique_ptr<AudioCommands> MakeHostAudioCommands() {
  return std::make_unique<WinmmAudioCommands>();
}

}  // namespace vbe

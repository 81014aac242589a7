#include "app/command_guard.h"

#include <string>

namespace vbe {

void ShowCommandStopped(UserDialogs& dialogs, const char* what) {
  std::string text = "The command stopped: ";
  text += what;
  dialogs.ShowMessage(text, "Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

}  // namespace vbe

#pragma once

#include <exception>

#include "commands/user_dialogs.h"

namespace vbe {

// Tells the user that a command stopped on an error: "The command stopped: " and what went
// wrong, titled "Error", with the stop icon.
void ShowCommandStopped(UserDialogs& dialogs, const char* what);

// Runs one event's action. An exception inside it must never reach the toolkit's event loop,
// which would end the program and lose the bind: the command stops and says so, and the lines
// stay as they are.
template <typename Action>
void RunGuarded(UserDialogs& dialogs, Action&& action) {
  try {
    action();
  } catch (const std::exception& error) {
    ShowCommandStopped(dialogs, error.what());
  }
}

}  // namespace vbe

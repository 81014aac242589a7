#pragma once

#include <string_view>

#include "commands/user_dialogs.h"
#include "core/bind_document.h"

namespace vbe {

// The first step of Save. Passes when the autoexec option is off. With it on, a key that is
// missing or holds a double quote is refused with a message. Returns whether Save may go on.
bool CheckAutoexecKey(bool add_to_autoexec, std::string_view key, UserDialogs& dialogs);

// Every line stands between the double quotes of a say command, unescaped, so a double quote
// in a line would end the command early. Shows the "Character Error" message naming the first
// line that holds one and answers false; answers true when no line does.
bool CheckLineCharacters(const BindLines& lines, UserDialogs& dialogs);

}  // namespace vbe

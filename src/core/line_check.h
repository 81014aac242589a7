#pragma once

#include "core/bind_document.h"
#include "core/user_dialogs.h"

namespace vbe {

// Every line stands between the double quotes of a say command, unescaped, so a double quote
// in a line would end the command early. Shows the "Character Error" message naming the first
// line that holds one and answers false; answers true when no line does.
bool CheckLineCharacters(const BindLines& lines, UserDialogs& dialogs);

}  // namespace vbe

#pragma once

#include "commands/user_dialogs.h"
#include "core/bind_document.h"

namespace vbe {

// "Spacing Fixer": after a warning, reports the long lines, and after two more confirmations
// puts the SpacingMark into the first column of every line editor, one editor after the other,
// so each one's change handling runs. Declining at any question changes nothing.
void RunSpacingFixer(BindDocument& document, UserDialogs& dialogs);

}  // namespace vbe

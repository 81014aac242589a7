#pragma once

#include <QWidget>
#include <functional>

namespace vbe {

// Starts the editor on this host: the application, the layout's font, the main window over the
// host's drives with its own dialogs and sound; `before_show` may look at the window before it
// is first shown. Returns the application's exit code.
int RunEditor(int& argc, char** argv, const std::function<void(QWidget&)>& before_show = {});

}  // namespace vbe

#pragma once

#include <windows.h>

#include "commands/user_dialogs.h"

namespace vbe {

// The system's message boxes and its common open/save dialog, owned by a window. The style
// numbers of the operations are the system's own message box flags, so they are passed as they
// stand. The file dialog offers the filter list it is given and, with the overwrite flag, asks
// before the save dialog takes an existing file.
class Win32UserDialogs : public UserDialogs {
 public:
  explicit Win32UserDialogs(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  // A filter list of description and pattern pairs separated by "|", as ConfigFileFilter.
  void SetFilter(std::string_view filter_list);
  void SetFlags(int flags) { flags_ = flags; }
  void SetFileDialog(std::string_view filter_list, int flags) override {
    SetFilter(filter_list);
    SetFlags(flags);
  }

  Answer ShowMessage(std::string_view text, std::string_view title, int style) override;
  std::optional<std::filesystem::path> ChooseFile(FileDialogMode mode,
                                                  const std::filesystem::path& file_name) override;

 private:
  HWND owner_;
  std::wstring filter_;  // pairs separated by NUL, ending with two
  int flags_ = 0;
};

}  // namespace vbe

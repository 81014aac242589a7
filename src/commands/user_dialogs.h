#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vbe {

enum class Answer { Ok, Cancel, Yes, No };

// Message box styles: an icon plus a button set, added together (16 + 3 is a stop icon with
// Yes, No and Cancel).
namespace MessageStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int Stop = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
}  // namespace MessageStyle

enum class FileDialogMode { Open, Save };

// The filter list of the shared open/save dialog: pairs of description and pattern.
inline constexpr std::string_view ConfigFileFilter =
    "Config files (*.cfg)|*.cfg|All Files (*.*)|*.*|";

// The dialog flag that makes the save dialog ask before an existing file is chosen.
inline constexpr int OverwritePromptFlag = 2;

// How the operations talk to the user: modal message boxes and the one file dialog that Open
// and Save share. Message texts are UTF-8 (the fixed texts are plain ASCII; a host file name
// keeps every letter it has) and break rows with LineBreak.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  virtual Answer ShowMessage(std::string_view text, std::string_view title, int style) = 0;

  // Sets up the shared file dialog once, when the main window loads: its filter list (as
  // ConfigFileFilter) and its flags (OverwritePromptFlag). Dialogs without a file dialog of
  // their own have nothing to set up.
  virtual void SetFileDialog(std::string_view /*filter_list*/, int /*flags*/) {}

  // Shows the shared file dialog starting from `file_name` (the host's own file name, may be
  // empty). Returns the chosen host file, or nothing when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseFile(
      FileDialogMode mode, const std::filesystem::path& file_name) = 0;
};

}  // namespace vbe

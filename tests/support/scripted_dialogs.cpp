#include "support/scripted_dialogs.h"

namespace vbe::testing {

Answer ScriptedDialogs::ShowMessage(std::string_view text, std::string_view title, int style) {
  boxes.push_back({std::string(text), std::string(title), style});
  if (answers.empty()) {
    const int buttons = style & 0x0F;
    return buttons == MessageStyle::OkOnly ? Answer::Ok : Answer::Cancel;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::ChooseFile(FileDialogMode mode,
                                                       const std::string& file_name) {
  file_requests.push_back({mode, file_name});
  if (on_file_dialog) on_file_dialog();
  if (file_choices.empty()) return std::nullopt;
  auto choice = file_choices.front();
  file_choices.pop_front();
  return choice;
}

}  // namespace vbe::testing

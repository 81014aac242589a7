#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/user_dialogs.h"

namespace vbe::testing {

// Answers message boxes and file dialogs from a script and records every one, so tests can
// assert the exact texts the user would have seen. A box with no scripted answer gets the
// answer a user gets by closing it: Cancel where the box has one, else OK.
class ScriptedDialogs : public UserDialogs {
 public:
  struct Box {
    std::string text;
    std::string title;
    int style;
  };
  struct FileRequest {
    FileDialogMode mode;
    std::string started_from;
  };

  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> file_choices;  // nothing: Cancel
  std::vector<Box> boxes;
  std::vector<FileRequest> file_requests;
  // Runs when a file dialog opens, before it answers: a test looks at what happened before.
  std::function<void()> on_file_dialog;

  Answer ShowMessage(std::string_view text, std::string_view title, int style) override;
  std::optional<std::string> ChooseFile(FileDialogMode mode, const std::string& file_name) override;
};

}  // namespace vbe::testing

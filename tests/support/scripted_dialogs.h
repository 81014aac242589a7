#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "commands/user_dialogs.h"

namespace vbe::testing {

// Answers message boxes and file dialogs from a script and records every one. A box with no
// scripted answer gets what closing it gives: Cancel where the box has one, else OK.
class ScriptedDialogs : public UserDialogs {
 public:
  struct Box {
    std::string text;
    std::string title;
    int style;
    bool operator==(const Box&) const = default;
    friend void PrintTo(const Box& box, std::ostream* out) {
      *out << box.title << " (" << box.style << "): " << box.text;
    }
  };
  struct FileRequest {
    FileDialogMode mode;
    std::filesystem::path started_from;
  };

  std::deque<Answer> answers;
  std::deque<std::optional<std::filesystem::path>> file_choices;  // nothing: Cancel
  std::vector<Box> boxes;
  std::vector<FileRequest> file_requests;
  std::function<void()> on_file_dialog;  // run when a file dialog opens, before it answers
  std::string file_filter;               // as the main window set the file dialog up
  int file_flags = 0;

  Answer ShowMessage(std::string_view text, std::string_view title, int style) override {
    boxes.push_back({std::string(text), std::string(title), style});
    if (answers.empty()) return (style & 15) == MessageStyle::OkOnly ? Answer::Ok : Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void SetFileDialog(std::string_view filter_list, int flags) override {
    file_filter = filter_list;
    file_flags = flags;
  }
  std::optional<std::filesystem::path> ChooseFile(FileDialogMode mode,
                                                  const std::filesystem::path& file_name) override {
    file_requests.push_back({mode, file_name});
    if (on_file_dialog) on_file_dialog();
    if (file_choices.empty()) return std::nullopt;
    auto choice = file_choices.front();
    file_choices.pop_front();
    return choice;
  }
};

using Box = ScriptedDialogs::Box;
using Boxes = std::vector<Box>;

}  // namespace vbe::testing

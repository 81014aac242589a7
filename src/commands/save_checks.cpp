#include "commands/save_checks.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "gamecfg/autoexec.h"

namespace vbe {
namespace {

// The key messages: an opening, the problem, and the request to pick a key.
std::string KeyMessage(std::initializer_list<std::string_view> problem) {
  std::string text = "Ok here's the problem ..";
  text += LineBreak;
  text += LineBreak;
  for (std::string_view row : problem) {
    text += row;
    text += LineBreak;
  }
  text += LineBreak;
  text += "Go pick one from the drop down list and try again.";
  return text;
}

}  // namespace

bool CheckAutoexecKey(bool add_to_autoexec, std::string_view key, UserDialogs& dialogs) {
  if (!add_to_autoexec) return true;
  const int style = MessageStyle::Exclamation + MessageStyle::OkOnly;
  switch (FindKeyProblem(key)) {
    case KeyProblem::None:
      return true;
    case KeyProblem::NoKey:
      dialogs.ShowMessage(
          KeyMessage({"You've asked the program to add the bind to your autoexec.cfg file,",
                      "BUT, you haven't specified a key to bind it too."}),
          "D'oh!", style);
      return false;
    case KeyProblem::DoubleQuote:
      dialogs.ShowMessage(KeyMessage({"The key to bind can't contain a double quote (\")."}),
                          "D'oh!", style);
      return false;
  }
  return false;
}

bool CheckLineCharacters(const BindLines& lines, UserDialogs& dialogs) {
  const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find('"') != std::string::npos;
  });
  if (first == lines.end()) return true;

  const int number = static_cast<int>(first - lines.begin()) + 1;
  std::string text = "Line " + std::to_string(number) + " has the ";
  text += '"';
  text += " character in it. This causes problems to this program and Vellmar.";
  text += LineBreak;
  text += "Please remove/replace these";
  dialogs.ShowMessage(text, "Character Error", MessageStyle::Stop + MessageStyle::OkOnly);
  return false;
}

}  // namespace vbe

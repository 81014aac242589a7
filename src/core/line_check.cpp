#include "core/line_check.h"

#include <algorithm>
#include <string>

namespace vbe {

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

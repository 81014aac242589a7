#include "commands/spacing_fixer_run.h"

#include <initializer_list>
#include <string_view>

#include "core/spacing_fixer.h"

namespace vbe {
namespace {

// Pieces joined as they stand; LineBreak is one of them where a row ends.
std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

std::string ProblemList(const std::vector<int>& long_lines) {
  std::string list;
  for (int number : long_lines) {
    list += "Line ";
    list += static_cast<char>('0' + number);
    list += " may be too long.";
    list += LineBreak;
  }
  return list;
}

std::string StepOneText(const std::string& problems) {
  std::string text = Join({"Spacing Fixer - Step 1", LineBreak, LineBreak,
                           "The program has checked the length of each line for problems ..",
                           LineBreak, LineBreak});
  if (problems.empty()) {
    text +=
        Join({"Doesn't seem to be any line length problems in this bind.", LineBreak, "Continue?"});
  } else {
    // Every entry already ends its row, so two empty rows stand before the question.
    text += Join({problems, LineBreak, LineBreak,
                  "Do you wish to continue? Or cancel to fix these problems?"});
  }
  return text;
}

}  // namespace

void RunSpacingFixer(BindDocument& document, UserDialogs& dialogs) {
  const std::string warning =
      Join({"Spacing Fixer", LineBreak, LineBreak,
            "This will attempt to fix problems you may have with the spacing", LineBreak,
            "of your binds.", LineBreak, LineBreak, "Are you sure you want to go ahead?"});
  if (dialogs.ShowMessage(warning, "Spacing Fixer Warning",
                          MessageStyle::Information + MessageStyle::YesNoCancel) != Answer::Yes) {
    return;
  }

  const std::string problems = ProblemList(FindLongLines(document.Lines()));
  if (dialogs.ShowMessage(StepOneText(problems), "Step 1",
                          MessageStyle::Information + MessageStyle::OkCancel) != Answer::Ok) {
    return;
  }

  const std::string step_two = Join({"Spacing Fixer - Step 2", LineBreak, LineBreak,
                                     "The program will now place an invisible to Vellmar character",
                                     LineBreak, "down the left hand side of the bind", LineBreak,
                                     LineBreak, "This will replace whatever character is there",
                                     LineBreak, LineBreak, "Are you sure you wish to continue?"});
  if (dialogs.ShowMessage(step_two, "Step 2", MessageStyle::Information + MessageStyle::OkCancel) !=
      Answer::Ok) {
    return;
  }

  // Each editor's first column is replaced in place, so the lines are the ones standing in the
  // editors now, and every replacement runs that editor's change handling.
  for (int k = 1; k <= LineCount; ++k) document.ReplaceFirstCharacter(k, SpacingMark);

  const std::string finished =
      Join({"Finised ...", LineBreak, LineBreak,
            "Now save the bind and try it again to see if the spacing", LineBreak, "works ok.."});
  dialogs.ShowMessage(finished, "Finished", MessageStyle::Information + MessageStyle::OkOnly);
}

}  // namespace vbe

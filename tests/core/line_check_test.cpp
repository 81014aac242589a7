#include "core/line_check.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"

namespace vbe {
namespace {

using testing::ScriptedDialogs;

std::string CharacterError(int line) {
  return "Line " + std::to_string(line) +
         " has the \" character in it. This causes problems to this program and Vellmar.\r\n"
         "Please remove/replace these";
}

TEST(CheckLineCharacters, NamesTheFirstLineHoldingADoubleQuote) {
  struct Case {
    BindLines lines;
    int reported;  // 0: passes
  };
  const Case cases[] = {
      {{}, 0},
      {{"it's", "\x93quoted\x94", "semi;colon", "back\\slash", "\x84", "`", "''", "\xAB\xBB"}, 0},
      {{"", "a\"b", "", "", "", "\"", "", ""}, 2},
      {{"", "", "", "", "", "\"", "", ""}, 6},
      {{"\"\"\"", "", "", "", "", "", "", ""}, 1},
      {{"", "", "", "", "", "", "", std::string(35, ' ') + "\""}, 8},
  };
  for (const Case& c : cases) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(CheckLineCharacters(c.lines, dialogs), c.reported == 0);
    if (c.reported == 0) {
      EXPECT_TRUE(dialogs.boxes.empty());
      continue;
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, CharacterError(c.reported));
    EXPECT_EQ(dialogs.boxes[0].title, "Character Error");
    EXPECT_EQ(dialogs.boxes[0].style, 16);
  }
}

}  // namespace
}  // namespace vbe

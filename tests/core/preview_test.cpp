#include "core/preview.h"

#include <gtest/gtest.h>

namespace vbe {
namespace {

TEST(BuildPreviewText, PutsEachLineOnItsOwnRowWithNoBreakAfterTheLast) {
  const std::string breaks = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  const std::pair<BindLines, std::string> cases[] = {
      {{}, breaks},
      {{"", "", "", "", "", "", "", "  last ."}, breaks + "  last ."},
      {{"top", "    ", "", "x", "", "", "", "end"}, "top\r\n    \r\n\r\nx\r\n\r\n\r\n\r\nend"},
      {{"\x85  art  ", " two", "3 "}, "\x85  art  \r\n two\r\n3 \r\n\r\n\r\n\r\n\r\n"},
  };
  for (const auto& [lines, text] : cases) EXPECT_EQ(BuildPreviewText(lines), text);
}

}  // namespace
}  // namespace vbe

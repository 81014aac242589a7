#include "core/preview.h"

#include <gtest/gtest.h>

namespace vbe {
namespace {

TEST(BuildPreviewText, PutsEachLineOnItsOwnRowWithNoBreakAfterTheLast) {
  const std::string seven_breaks = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  const std::string full(36, '#');
  struct Case {
    const char* name;
    BindLines lines;
    std::string expected;
  };
  const Case cases[] = {
      {"all empty", {}, seven_breaks},
      {"only line 8", {"", "", "", "", "", "", "", "  last ."}, seven_breaks + "  last ."},
      {"a line of spaces keeps its row",
       {"top", "    ", "", "x", "", "", "", "end"},
       "top\r\n    \r\n\r\nx\r\n\r\n\r\n\r\nend"},
      {"nothing trimmed, the mark kept",
       {"\x85  art  ", " two", "three ", "", "", "", "", ""},
       "\x85  art  \r\n two\r\nthree \r\n\r\n\r\n\r\n\r\n"},
      {"eight full lines",
       {full, full, full, full, full, full, full, full},
       full + "\r\n" + full + "\r\n" + full + "\r\n" + full + "\r\n" + full + "\r\n" + full +
           "\r\n" + full + "\r\n" + full},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildPreviewText(c.lines), c.expected) << c.name;
  }
  EXPECT_EQ(BuildPreviewText(cases[4].lines).size(), 302u);
}

}  // namespace
}  // namespace vbe

#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace vbe {
namespace {

TEST(CodePage, EveryByteComesBackUnchangedThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(CodePage, MapsTheHighRangeToItsOwnCharacters) {
  EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');  // euro sign
  EXPECT_EQ(Cp1252ToUnicode(0x85), U'\u2026');  // ellipsis
  EXPECT_EQ(Cp1252ToUnicode(0x9F), U'\u0178');
  EXPECT_EQ(Cp1252ToUnicode(0x81), U'\u0081');  // undefined: the control of the same number
  EXPECT_EQ(Cp1252ToUnicode(0xE9), U'\u00E9');
  EXPECT_EQ(UnicodeToCp1252(U'\u2122'), 0x99);
  EXPECT_EQ(UnicodeToCp1252(U'\u0080'), std::nullopt);  // 0x80 carries the euro sign instead
  EXPECT_EQ(UnicodeToCp1252(U'\u3042'), std::nullopt);
}

TEST(CodePage, RefusesTextItCannotCarryOrThatIsNotUtf8) {
  EXPECT_EQ(Utf8ToCp1252("caf\xC3\xA9"), "caf\xE9");
  EXPECT_EQ(Utf8ToCp1252("\xE3\x81\x82"), std::nullopt);  // a kana
  EXPECT_EQ(Utf8ToCp1252("\xC3"), std::nullopt);          // cut short
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), std::nullopt);      // overlong slash
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), std::nullopt);  // a lone surrogate
  EXPECT_EQ(Utf8ToCp1252("\xFF"), std::nullopt);
}

TEST(CodePage, FoldsTheLettersOfTheCodePage) {
  EXPECT_EQ(FoldCase(U'P'), U'p');
  EXPECT_EQ(FoldCase(U'\u00C9'), U'\u00E9');
  EXPECT_EQ(FoldCase(U'\u00D7'), U'\u00D7');  // the multiplication sign has no lower case
  EXPECT_EQ(FoldCase(U'\u0160'), U'\u0161');
  EXPECT_EQ(FoldCase(U'7'), U'7');
}

}  // namespace
}  // namespace vbe

// The one filter for everything that enters a line, and the text conversions.
#include "app/text_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace vbe {
namespace {

std::string Shown(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char code[12];
      std::snprintf(code, sizeof code, "<%04X>", static_cast<unsigned>(c));
      out += code;
    }
  }
  return out;
}

struct Inserted {
  const char* what;
  std::u16string text;
  std::size_t room;
  std::u16string kept;
};

class LineFilter : public ::testing::TestWithParam<Inserted> {};

TEST_P(LineFilter, KeepsWhatALineMayHoldTheFirstThatFit) {
  const Inserted& c = GetParam();
  EXPECT_EQ(Shown(FilterLineText(c.text, c.room)), Shown(c.kept)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineFilter,
    ::testing::Values(
        Inserted{"plain", u"Hello, world!", NoLengthLimit, u"Hello, world!"},
        Inserted{"tab kept", u"a\tb\t", NoLengthLimit, u"a\tb\t"},
        Inserted{"C0 dropped", std::u16string(u"a\rb\nc\u0001d\u001Fe\u0000f\u0007", 13),
                 NoLengthLimit, u"abcdef"},
        Inserted{"DEL dropped", u"x\u007Fy", NoLengthLimit, u"xy"},
        Inserted{"the five undefined bytes dropped", u"1\u00812\u008D3\u008F4\u00905\u009D6",
                 NoLengthLimit, u"123456"},
        Inserted{"other C1 dropped", u"\u0080\u0085\u009F", NoLengthLimit, u""},
        Inserted{"outside the code page dropped", u"X\u0141\u00F3d\u017A\u4E2D\u6587Y",
                 NoLengthLimit, u"X\u00F3dY"},
        Inserted{"beyond the BMP dropped", u"\U0001F600ok\U0001F600", NoLengthLimit, u"ok"},
        Inserted{"ellipsis becomes the square", u"Y\u2026\u25A0", NoLengthLimit, u"Y\u25A0\u25A0"},
        Inserted{"the code page's own", u"\u20AC\u201A\u0192\u00FF\u00A0", NoLengthLimit,
                 u"\u20AC\u201A\u0192\u00FF\u00A0"},
        Inserted{"room counts kept characters", u"\U0001F600\U0001F600abcdef", 3, u"abc"},
        Inserted{"no room", u"abc", 0, u""},
        Inserted{"the issue's paste", u"X\u0141\u00F3d\u017A\u4E2D\u6587\U0001F600\u0007Y\u2026",
                 36, u"X\u00F3dY\u25A0"}),
    [](const auto& info) {
      std::string name;
      for (char c : std::string(info.param.what)) name += std::isalnum(c) ? c : '_';
      return name;
    });

TEST(LineFilter, ReportsWhatItLeftOutButNotAnEllipsisItTurned) {
  EXPECT_FALSE(FilterInsertion(u"abc", 3).refused);
  EXPECT_TRUE(FilterInsertion(u"abcd", 3).refused) << "a character beyond the room";
  EXPECT_TRUE(FilterInsertion(u"a\u0141b").refused) << "a character outside the code page";
  EXPECT_TRUE(FilterInsertion(u"a\u0007").refused) << "a control character";
  EXPECT_FALSE(FilterInsertion(u"a\u2026\t").refused);
}

TEST(LineFilter, RoomIsTheMaximumLessTheTextThatStays) {
  EXPECT_EQ(RoomLeft(36, 3, 36), 3u) << "a full line with three selected";
  EXPECT_EQ(RoomLeft(36, 0, 36), 0u);
  EXPECT_EQ(RoomLeft(10, 0, 36), 26u);
  EXPECT_EQ(RoomLeft(40, 0, 36), 0u) << "never below nothing";
  EXPECT_EQ(RoomLeft(10, 2, NoLengthLimit), NoLengthLimit);
}

struct Edit {
  const char* what;
  std::u16string before, after;
  std::size_t caret;  // after the edit
  std::size_t max_length;
  std::u16string text;  // what the control should hold
  std::size_t new_caret;
  bool changed;
  bool refused;
  friend void PrintTo(const Edit& e, std::ostream* out) { *out << e.what; }
};

class ControlEdit : public ::testing::TestWithParam<Edit> {};

TEST_P(ControlEdit, FiltersWhatTheControlInserted) {
  const Edit& e = GetParam();
  const FilteredEdit result = FilterEdit(e.before, e.after, e.caret, e.max_length);
  EXPECT_EQ(Shown(result.text), Shown(e.text)) << e.what;
  EXPECT_EQ(result.caret, e.new_caret) << e.what;
  EXPECT_EQ(result.changed, e.changed) << e.what;
  EXPECT_EQ(result.refused, e.refused) << e.what;
}

const std::u16string k36(36, u'x');

INSTANTIATE_TEST_SUITE_P(
    Edits, ControlEdit,
    ::testing::Values(
        Edit{"a typed letter kept", u"ac", u"abc", 2, 36, u"abc", 2, false, false},
        Edit{"a refused character", u"ac", u"a\u263Ac", 2, 36, u"ac", 1, true, true},
        Edit{"an ellipsis typed", u"ab", u"ab\u2026", 3, 36, u"ab\u25A0", 3, true, false},
        Edit{"a paste filtered within the line", u"abc old def",
             u"abc \U0001F600new\u3042 text def", 15, 36, u"abc new text def", 12, true, true},
        Edit{"a paste over 3 selected in a full line", k36,
             k36.substr(0, 10) + u"abcdef" + k36.substr(13), 16, 36,
             k36.substr(0, 10) + u"abc" + k36.substr(13), 13, true, true},
        Edit{"a 37th character", k36, k36 + u"y", 37, 36, k36, 36, true, true},
        Edit{"a shift+insert paste", u"",
             u"X\u0141\u00F3d\u017A\u4E2D\u6587\U0001F600\u0007Y\u2026", 14, 36, u"X\u00F3dY\u25A0",
             5, true, true},
        Edit{"a deletion", u"abcdef", u"abef", 2, 36, u"abef", 2, false, false},
        Edit{"a replaced selection of the same text", u"abc", u"abc", 3, 36, u"abc", 3, false,
             false},
        Edit{"no limit", k36, k36 + u"\tz\u0001", 39, NoLengthLimit, k36 + u"\tz", 38, true, true},
        Edit{"a caret not after the insertion", u"abc", u"zz\u0001abc", 0, 36, u"zzabc", 5, true,
             true}),
    [](const auto& info) {
      std::string name;
      for (char c : std::string(info.param.what)) name += std::isalnum(c) ? c : '_';
      return name;
    });

TEST(TextConversion, EveryByteRoundTripsAndTheMarkShowsAsTheSquare) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::u16string shown = BindTextToUtf16(all);
  ASSERT_EQ(shown.size(), 256u);
  EXPECT_EQ(shown[0x85], SpacingMarkShown);
  EXPECT_EQ(shown[0x80], u'\u20AC');
  EXPECT_EQ(shown[0x81], u'\u0081');
  EXPECT_EQ(Utf16ToBindText(shown), all);
  EXPECT_EQ(Utf16ToBindText(u"\u2026\u25A0\u0141\U0001F600"), "\x85\x85???");
}

}  // namespace
}  // namespace vbe

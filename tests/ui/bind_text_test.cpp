#include "ui/bind_text.h"

#include <gtest/gtest.h>

namespace vbe {
namespace {

TEST(BindText, EveryByteSurvivesTheWayThroughAWidgetsText) {
  std::string all;
  for (int b = 0x20; b <= 0xFF; ++b) all += static_cast<char>(b);
  const QString shown = BindTextToQString(all);
  EXPECT_EQ(shown.size(), static_cast<qsizetype>(all.size()));
  EXPECT_EQ(QStringToBindText(shown), all);
}

TEST(BindText, ShowsTheSpacingMarkAsABlackSquare) {
  EXPECT_EQ(BindTextToQString("\x85" "ab"), QString::fromUtf16(u"\u25A0ab"));
  EXPECT_EQ(QStringToBindText(QString::fromUtf16(u"\u25A0")), "\x85");
  EXPECT_EQ(QStringToBindText(QString::fromUtf16(u"\u2026")), "\x85");
  EXPECT_EQ(QStringToBindText(QString::fromUtf16(u"\u20AC")), "\x80");
  EXPECT_EQ(QStringToBindText(QString::fromUtf16(u"\u3042")), std::nullopt);
  EXPECT_EQ(QStringToBindTextLossy(QString::fromUtf16(u"a\u3042b")), "a?b");
}

TEST(LineCharacterFilter, DropsWhatTheCodePageCannotCarry) {
  LineCharacterFilter filter;
  struct Case {
    QString typed;
    int position;
    QString kept;
    int kept_position;
  };
  const Case cases[] = {
      {u"abc"_qs, 3, u"abc"_qs, 3},
      {u"a\u3042c"_qs, 2, u"ac"_qs, 1},
      {u"\U0001F600x"_qs, 2, u"x"_qs, 0},  // a surrogate pair, both halves dropped
      {u"a\tb\nc"_qs, 5, u"abc"_qs, 3},
      {u"caf\u00E9 \u20AC"_qs, 6, u"caf\u00E9 \u20AC"_qs, 6},
      {u"x\u2026"_qs, 2, u"x\u25A0"_qs, 2},
  };
  for (const Case& c : cases) {
    QString input = c.typed;
    int position = c.position;
    EXPECT_EQ(filter.validate(input, position), QValidator::Acceptable);
    EXPECT_EQ(input, c.kept) << c.typed.toStdString();
    EXPECT_EQ(position, c.kept_position) << c.typed.toStdString();
  }
}

TEST(MessageText, ShowsLineBreaksAsRows) {
  EXPECT_EQ(MessageTextToQString("one\r\n\r\ntwo \"q\""), QString("one\n\ntwo \"q\""));
}

}  // namespace
}  // namespace vbe

#include "core/bind_reader.h"

#include <gtest/gtest.h>

#include "core/bind_file.h"

namespace vbe {
namespace {

std::string Saved(const BindLines& lines, TextColour colour) {
  return ComposeBindFile(*ComposeSayLines(lines, colour));
}

// One say command as a hand editor leaves it: the second field ends at its closing quote.
std::string HandEdited(const std::string& upper, const std::string& lower) {
  return "say \"\r " + upper + std::string(36 - upper.size(), ' ') + "      " + lower +
         "\"\r\n";
}

const BindLines kSample = {"  /\\_/\\", "( o.o )  ", "\x85 > ^ <", "      ", "", "x",
                           std::string(36, '#'), "end \t"};

TEST(ParseBindText, ReadsASavedBindBackWithoutTrailingSpaces) {
  for (TextColour colour : {TextColour::White, TextColour::Yellow}) {
    const std::string file = Saved(kSample, colour);
    const ParsedBind parsed = ParseBindText(file, file.size());
    const BindLines expected = {"  /\\_/\\", "( o.o )", "\x85 > ^ <", "", "", "x",
                                std::string(36, '#'), "end \t"};
    EXPECT_EQ(parsed.lines, expected);
    EXPECT_EQ(parsed.colour, colour);
    EXPECT_EQ(ReadByQuoteScan(file), expected) << "the scan agrees on a saved bind";
  }
}

TEST(ParseBindText, ChoosesTheWayOfReadingByLengthAlone) {
  const std::string file = Saved(kSample, TextColour::Yellow);

  // Longer: only the first 352 bytes matter.
  const std::string longer = file + "bind p exec x.cfg\r\n" + std::string(1000, '"');
  const ParsedBind parsed_longer = ParseBindText(longer, longer.size());
  EXPECT_EQ(parsed_longer.lines, ParseBindText(file, file.size()).lines);
  EXPECT_EQ(parsed_longer.colour, TextColour::Yellow);

  // One byte short: scanned, and the colour is left alone although position 7 holds ">".
  const std::string shorter = file.substr(0, 351);
  const ParsedBind parsed_shorter = ParseBindText(shorter, shorter.size());
  EXPECT_EQ(parsed_shorter.colour, std::nullopt);
  EXPECT_EQ(parsed_shorter.lines[0], "  /\\_/\\");
  EXPECT_EQ(parsed_shorter.lines[7], "end \t");

  // The fourth say command deleted by hand.
  const std::string three = file.substr(0, 264);
  const ParsedBind parsed_three = ParseBindText(three, three.size());
  EXPECT_EQ(parsed_three.colour, std::nullopt);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(parsed_three.lines[k], ParseBindText(file, 352).lines[k]);
  EXPECT_EQ(parsed_three.lines[6], "");
  EXPECT_EQ(parsed_three.lines[7], "");
}

TEST(ParseBindText, TakesTheColourFromTheFirstMarkerOnly) {
  std::string file = Saved(kSample, TextColour::Yellow);
  file[6] = ' ';
  EXPECT_EQ(ParseBindText(file, file.size()).colour, TextColour::White);
  file[6] = '!';
  EXPECT_EQ(ParseBindText(file, file.size()).colour, TextColour::White);
}

TEST(ParseBindText, ReadsTinyFilesAsEmptyLines) {
  for (std::size_t n = 0; n <= 7; ++n) {
    const std::string file = std::string("say \"\r>").substr(0, n);
    const ParsedBind parsed = ParseBindText(file, file.size());
    EXPECT_EQ(parsed.lines, BindLines{}) << n;
    EXPECT_EQ(parsed.colour, std::nullopt);
  }
}

TEST(ReadByQuoteScan, FollowsASecondFieldShortenedByHand) {
  // Line 2 ends at its quote at position 53; line 3 starts at 63.
  const std::string file = HandEdited("one", "two") + HandEdited("three", "four") +
                           HandEdited("", "six") + HandEdited("seven", "");
  ASSERT_EQ(file.find('"', 6), 52u);
  const BindLines expected = {"one", "two", "three", "four", "", "six", "seven", ""};
  EXPECT_EQ(ReadByQuoteScan(file), expected);
}

TEST(ReadByQuoteScan, TakesThirtySevenPositionsWhenTheClosingQuoteIsMissing) {
  // Say command 1 lacks its closing quote: line 2 runs into the line end and the next say
  // command, and that command is read from one position further on (b + 47).
  std::string first = Saved({"a", std::string(36, 'b')}, TextColour::White).substr(0, 88);
  first.erase(85, 1);  // the closing quote
  const std::string second = "say \"\r XYZ" + std::string(33, ' ') + "      " + "tail" +
                             std::string(32, ' ') + "\"\r\n";
  const std::string file = first + second;
  const BindLines lines = ReadByQuoteScan(file);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], std::string(36, 'b'));  // the 37th position (CR) is dropped
  // The second say command starts at 88, so its first field is at 95; b + 47 is 97.
  EXPECT_EQ(lines[2], "Z") << "read from b + 47";
  EXPECT_EQ(lines[3], "il");
}

TEST(ReadByQuoteScan, StopsAtAQuoteInsideASecondField) {
  const std::string file = HandEdited("one", "tw\"o") + HandEdited("three", "four");
  const BindLines lines = ReadByQuoteScan(file);
  EXPECT_EQ(lines[1], "tw");
  EXPECT_NE(lines[2], "three") << "the following say commands are read from the wrong place";
}

}  // namespace
}  // namespace vbe

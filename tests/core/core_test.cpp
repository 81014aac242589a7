#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <utility>

#include "core/bind_file.h"
#include "core/bind_reader.h"
#include "core/preview.h"
#include "core/spacing_fixer.h"
#include "support/editor_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

TEST(BindFile, PutsTheMarkerAndEachLineAtFixedColumns) {
  const std::string empty = "say \"\r " + std::string(78, ' ') + "\"\r\n";
  EXPECT_EQ(BindBytes({}, TextColour::White), empty + empty + empty + empty);
  BindLines full;
  for (int k = 0; k < LineCount; ++k) full[k] = std::string(36, static_cast<char>('1' + k));
  for (const auto& [colour, marker] :
       {std::pair{TextColour::Yellow, '>'}, std::pair{TextColour::White, ' '}}) {
    const std::string file = BindBytes(full, colour);
    ASSERT_EQ(file.size(), 352u);
    for (std::size_t position : {7, 95, 183, 271}) EXPECT_EQ(file[position - 1], marker);
    const std::size_t starts[] = {8, 50, 96, 138, 184, 226, 272, 314};
    for (int k = 0; k < LineCount; ++k) EXPECT_EQ(file.substr(starts[k] - 1, 36), full[k]);
  }
}

TEST(BindReader, ReadsBy352BytesOrMoreByColumnsAndBelowByQuotesWithoutColour) {
  const BindLines sample = {"  /\\_/\\", "( o.o )  ", "\x85 > ^ <",         "      ",
                            "",          "x",         std::string(36, '#'), "end \t"};
  BindLines read = sample;
  read[1] = "( o.o )";
  read[3] = "";
  for (TextColour colour : {TextColour::White, TextColour::Yellow}) {
    const std::string file = BindBytes(sample, colour);
    for (const std::string& bytes :
         {file, file + "bind p exec x.cfg\r\n" + std::string(999, '"'), file.substr(0, 351)}) {
      const ParsedBind parsed = ParseBindText(bytes, bytes.size());
      EXPECT_EQ(parsed.lines, read) << bytes.size();
      EXPECT_EQ(parsed.colour, bytes.size() == 351 ? std::nullopt : std::optional(colour));
    }
  }
  std::string file = BindBytes(sample, TextColour::Yellow);
  file[6] = ' ';  // only the first marker counts
  EXPECT_EQ(ParseBindText(file, file.size()).colour, TextColour::White);
  // The first line's field begins at the eighth byte: a file that ends there still gives it.
  for (std::size_t n = 1; n <= 8; ++n) {
    const ParsedBind tiny = ParseBindText(std::string("say \"\r>X").substr(0, n), n);
    EXPECT_EQ(tiny.lines, n == 8 ? BindLines{"X"} : BindLines{}) << n;
    EXPECT_EQ(tiny.colour, std::nullopt) << n;
  }
}

// One say command as a hand editor leaves it: the second field ends at its closing quote.
std::string HandEdited(const std::string& upper, const std::string& lower) {
  return "say \"\r " + upper + std::string(42 - upper.size(), ' ') + lower + "\"\r\n";
}

TEST(BindReader, ScanFollowsTheClosingQuotes) {
  // Line 2 ends at its quote at position 53, so line 3 is read from 63.
  const std::string shortened = HandEdited("one", "two") + HandEdited("three", "four") +
                                HandEdited("", "six") + HandEdited("seven", "");
  ASSERT_EQ(shortened.find('"', 6), 52u);
  EXPECT_EQ(ReadByQuoteScan(shortened),
            (BindLines{"one", "two", "three", "four", "", "six", "seven", ""}));

  // A quote inside a field ends it, and the next say command is read from the wrong place.
  const BindLines inner = ReadByQuoteScan(HandEdited("one", "tw\"o") + HandEdited("three", ""));
  EXPECT_EQ(inner[1], "tw");
  EXPECT_EQ(inner[2], "\r three");

  // Without its closing quote line 2 takes 37 positions (the 37th, CR, is dropped) and the
  // next say command is read from b + 47: its first field from 97 instead of 95.
  std::string missing = BindBytes({"a", std::string(36, 'b')}, TextColour::White).substr(0, 88);
  missing.erase(85, 1);
  missing += HandEdited("XYZ", "tail" + std::string(32, ' '));
  const BindLines lines = ReadByQuoteScan(missing);
  EXPECT_EQ(lines[1], std::string(36, 'b'));
  EXPECT_EQ(lines[2], "Z");
  EXPECT_EQ(lines[3], "il");
}

TEST(BuildPreviewText, PutsEachLineOnItsOwnRowWithNoBreakAfterTheLast) {
  const std::string breaks = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  EXPECT_EQ(BuildPreviewText({}), breaks);
  EXPECT_EQ(BuildPreviewText({"", "", "", "", "", "", "", "  last ."}), breaks + "  last .");
  EXPECT_EQ(BuildPreviewText({"top", "    ", "", "x", "", "", "", "end"}),
            "top\r\n    \r\n\r\nx\r\n\r\n\r\n\r\nend");
}

TEST(FindLongLines, CountsEverythingButTrailingSpaces) {
  const std::string x32(32, 'x');
  EXPECT_EQ(FindLongLines({x32, x32 + " ", x32 + "x", "    " + x32, std::string(36, ' ')}),
            (std::vector<int>{3, 4}));
}

}  // namespace
}  // namespace vbe::testing

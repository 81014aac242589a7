#include "core/bind_file.h"

#include <gtest/gtest.h>

namespace vbe {
namespace {

std::string Spaces(std::size_t n) { return std::string(n, ' '); }

// The document of the worked example: one, two, three, -, "  five", "six  ", -, eight.
BindLines ExampleLines() { return {"one", "two", "three", "", "  five", "six  ", "", "eight"}; }

TEST(ComposeBindFile, WritesTheWorkedExampleByteForByte) {
  const auto say = ComposeSayLines(ExampleLines(), TextColour::Yellow);
  ASSERT_TRUE(say);
  const std::string file = ComposeBindFile(*say);
  const std::string start = "say \"\r>";
  const std::string expected =
      start + "one" + Spaces(33) + Spaces(6) + "two" + Spaces(33) + "\"\r\n" +
      start + "three" + Spaces(31) + Spaces(6) + Spaces(36) + "\"\r\n" +
      start + "  five" + Spaces(30) + Spaces(6) + "six  " + Spaces(31) + "\"\r\n" +
      start + Spaces(36) + Spaces(6) + "eight" + Spaces(31) + "\"\r\n";
  EXPECT_EQ(file, expected);
  ASSERT_EQ(file.size(), FullBindFileLength);
  EXPECT_EQ(file.substr(0, 11), "\x73\x61\x79\x20\x22\x0D\x3E\x6F\x6E\x65\x20");
  EXPECT_EQ(file.substr(84, 12), "\x20\x22\x0D\x0A\x73\x61\x79\x20\x22\x0D\x3E\x74");
}

TEST(ComposeBindFile, PutsTheColourMarkerAtTheFourMarkerPositions) {
  for (const auto& [colour, marker] : {std::pair{TextColour::Yellow, '>'},
                                       std::pair{TextColour::White, ' '}}) {
    const std::string file = ComposeBindFile(*ComposeSayLines(ExampleLines(), colour));
    for (std::size_t position : {7, 95, 183, 271}) EXPECT_EQ(file[position - 1], marker);
    EXPECT_EQ(file.find('>'), colour == TextColour::White ? std::string::npos : 6u);
  }
}

TEST(ComposeBindFile, PlacesEveryLineAtItsFixedColumns) {
  BindLines full;
  for (int k = 0; k < LineCount; ++k) full[k] = std::string(36, static_cast<char>('1' + k));
  const std::string file = ComposeBindFile(*ComposeSayLines(full, TextColour::White));
  ASSERT_EQ(file.size(), FullBindFileLength);
  const std::size_t starts[] = {8, 50, 96, 138, 184, 226, 272, 314};
  for (int k = 0; k < LineCount; ++k) EXPECT_EQ(file.substr(starts[k] - 1, 36), full[k]);
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(file.substr(88 * s + 43, 6), SayLineGap) << "gap of say line " << s + 1;
    EXPECT_EQ(file.substr(88 * s + 85, 3), "\"\r\n");
  }
}

TEST(ComposeBindFile, WritesEmptyLinesAsPaddingOnly) {
  const std::string file = ComposeBindFile(*ComposeSayLines(BindLines{}, TextColour::White));
  const std::string say = "say \"\r " + Spaces(78) + "\"\r\n";
  EXPECT_EQ(file, say + say + say + say);
}

TEST(ComposeSayLines, RefusesALineLongerThan36) {
  BindLines lines;
  lines[6] = std::string(37, 'x');
  EXPECT_EQ(ComposeSayLines(lines, TextColour::White), std::nullopt);
  lines[6] = std::string(36, 'x');
  EXPECT_NE(ComposeSayLines(lines, TextColour::White), std::nullopt);
}

}  // namespace
}  // namespace vbe

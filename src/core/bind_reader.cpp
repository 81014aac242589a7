#include "core/bind_reader.h"

#include <string>

#include "core/bind_file.h"
#include "core/text.h"

namespace vbe {
namespace {

// Up to n characters from 1-based position p; fewer or none past the end of the text.
std::string Extract(std::string_view raw, std::size_t p, std::size_t n) {
  if (p == 0 || p > raw.size()) return {};
  return std::string(raw.substr(p - 1, n));
}

// Trailing spaces are padding in a bind file; tabs and the spacing mark are not.
void RightTrim(std::string& line) {
  line.resize(TrimTrailingSpaces(line).size());
}

constexpr std::size_t kRecord = SayLineLength + LineBreak.size();  // 88
constexpr std::size_t kFirstField = 8;
constexpr std::size_t kSecondField = 50;
constexpr std::size_t kMarker = 7;
constexpr std::size_t kGapAfterFirstField = DisplayLineWidth + SayLineGap.size();  // 42
// From a closing quote to the first line of the next say command: the quote, CR LF and the
// seven characters "say ", quote, CR and the marker.
constexpr std::size_t kQuoteToNextLine = 10;

}  // namespace

ParsedBind ParseBindText(std::string_view raw, std::size_t file_length) {
  if (file_length >= FullBindFileLength) return ReadFixedColumns(raw);
  return {ReadByQuoteScan(raw), std::nullopt};
}

ParsedBind ReadFixedColumns(std::string_view raw) {
  ParsedBind parsed;
  for (int s = 0; s < 4; ++s) {
    std::string& upper = parsed.lines[2 * s];
    std::string& lower = parsed.lines[2 * s + 1];
    upper = Extract(raw, kRecord * s + kFirstField, DisplayLineWidth);
    lower = Extract(raw, kRecord * s + kSecondField, DisplayLineWidth);
    RightTrim(upper);
    RightTrim(lower);
  }
  parsed.colour = Extract(raw, kMarker, 1) == ">" ? TextColour::Yellow : TextColour::White;
  return parsed;
}

BindLines ReadByQuoteScan(std::string_view raw) {
  BindLines lines;
  std::size_t a = kFirstField;
  for (int s = 0; s < 4; ++s) {
    lines[2 * s] = Extract(raw, a, DisplayLineWidth);
    const std::size_t b = a + kGapAfterFirstField;
    std::string& lower = lines[2 * s + 1];
    std::size_t p = b;
    for (; p <= b + DisplayLineWidth; ++p) {
      if (p > raw.size()) continue;  // past the end: nothing to take, but no stop either
      if (raw[p - 1] == '"') break;
      // The line editor keeps 36 characters; a 37th is dropped.
      if (lower.size() < DisplayLineWidth) lower += raw[p - 1];
    }
    a = p + kQuoteToNextLine;
  }
  for (std::string& line : lines) RightTrim(line);
  return lines;
}

}  // namespace vbe

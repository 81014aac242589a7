#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/bind_document.h"

namespace vbe {

// What a bind file yields: eight lines, and the colour when the file was read at fixed columns.
struct ParsedBind {
  BindLines lines;
  std::optional<TextColour> colour;
};

// Reads a file of at least 352 bytes at fixed columns, a shorter one by scanning for the
// closing quotes. The choice is made on the length alone, never on the content.
ParsedBind ParseBindText(std::string_view raw, std::size_t file_length);

// The eight lines at the columns a saved bind puts them, right-trimmed, and the colour from
// the first say command's marker (">" for yellow, anything else white).
ParsedBind ReadFixedColumns(std::string_view raw);

// A bind edited by hand: the second line of a say command may end early at its closing quote,
// and say commands at the end may be missing. The scan follows each closing quote to the start
// of the next say command. The colour is not read.
BindLines ReadByQuoteScan(std::string_view raw);

}  // namespace vbe

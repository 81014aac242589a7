#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/bind_document.h"
#include "platform/file_io.h"

namespace vbe {

// The six spaces between the two lines of a say command.
inline constexpr std::string_view SayLineGap = "      ";
inline constexpr std::size_t SayLineLength = 86;
// Four say commands of 86 characters, each ended by CR LF.
inline constexpr std::size_t FullBindFileLength = 352;

using SayLines = std::array<std::string, 4>;

// The four say commands of a bind: "say ", a double quote, a lone CR, the colour marker
// (space for white, ">" for yellow), two lines padded to 36 with six spaces between, and a
// closing double quote. Nothing when a line is longer than 36 characters.
std::optional<SayLines> ComposeSayLines(const BindLines& lines, TextColour colour);

// The bytes of a bind file: each say command followed by CR LF.
std::string ComposeBindFile(const SayLines& say_lines);

// Writes the bind file, replacing any earlier content atomically.
IoResult WriteBindFile(const std::filesystem::path& file, const SayLines& say_lines);

}  // namespace vbe

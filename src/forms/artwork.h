#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vbe {

// A picture of the editor's own artwork: premultiplied ARGB pixels, one 32-bit value each in
// the host's byte order, row after row from the top.
struct ArtworkPicture {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;
  explicit operator bool() const { return width > 0; }
};

// "background" (the top-left corner of the main window's picture; the rest of the picture is
// its dark field), "window" (the windows' icon), "new", "open" and "save" (the picture buttons'
// icons). An empty picture for any other name. The pixels live as long as the program.
ArtworkPicture Artwork(std::string_view name);

}  // namespace vbe

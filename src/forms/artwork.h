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

// The pictures come at two sizes: as drawn at 100 %, and twice as large for screens at 150 % and
// more (the window icon at one size only). The scale of the pictures a window draws at `dpi`
// (96 is 100 %): 1 or 2.
inline int ArtworkScale(int dpi) {
  return dpi >= 144 ? 2 : 1;
}

// "background" (the top-left corner of the main window's picture; the rest of the picture is
// its dark field), "window" (the windows' icon), "new", "open" and "save" (the picture buttons'
// icons), at `scale` 1 or 2. An empty picture for any other name; the 1x picture where there is
// no 2x one. The pixels live as long as the program: the 1x ones are used where the program
// carries them, a 2x picture is unpacked when it is first asked for.
ArtworkPicture Artwork(std::string_view name, int scale = 1);

}  // namespace vbe

#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vbe {

// A picture of the editor's own artwork, in one of two forms:
// - full colour: `pixels` holds premultiplied ARGB values, one 32-bit value each in the host's
//   byte order, row after row from the top;
// - paletted (a large opaque picture, a quarter of the size): `colours` holds up to 256 opaque
//   ARGB values and `colour_numbers` one byte a pixel, each row `stride` bytes long (a multiple
//   of 4, as a device-independent bitmap's rows are). A number past the last colour stands for
//   black; a front end that needs a full table of 256 pads it so.
struct ArtworkPicture {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;
  std::span<const std::uint32_t> colours;
  std::span<const std::uint8_t> colour_numbers;
  int stride = 0;
  explicit operator bool() const { return width > 0; }
  bool paletted() const { return !colours.empty(); }
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
// no 2x one. The pixels live as long as the program, used where the program carries them: a
// picture no window draws is never read.
ArtworkPicture Artwork(std::string_view name, int scale = 1);

// Reads a picture from the bytes the program carries: the tag "VBEI", the width and the height
// as 32-bit little-endian numbers, then the pixels as 32-bit little-endian values; or the tag
// "VBEP", the width, the height and the number of colours (1 to 256), the colours, then the
// padded rows of colour numbers. The bytes are used in place, without decoding or copying, and
// must be 4-byte aligned. An empty picture for bytes of any other shape, or for a picture wider
// or taller than 4096 pixels.
ArtworkPicture ReadArtwork(std::span<const unsigned char> bytes);

}  // namespace vbe

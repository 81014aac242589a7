// A pixel of the editor's artwork as its picture stores it, full colour or paletted.
#pragma once

#include <cstddef>
#include <cstdint>

#include "forms/artwork.h"

namespace vbe::testing {

// The premultiplied ARGB value of pixel (x, y); a colour number past the last colour is black.
inline std::uint32_t ArtworkPixel(const ArtworkPicture& picture, int x, int y) {
  if (!picture.paletted()) return picture.pixels[std::size_t(y) * picture.width + x];
  const std::uint8_t number = picture.colour_numbers[std::size_t(y) * picture.stride + x];
  return number < picture.colours.size() ? picture.colours[number] : 0xFF000000u;
}

}  // namespace vbe::testing

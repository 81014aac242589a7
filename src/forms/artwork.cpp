#include "forms/artwork.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vbe {
namespace embedded {
extern const unsigned char background_vbei[], window_vbei[], new_vbei[], open_vbei[], save_vbei[];
extern const std::size_t background_vbei_size, window_vbei_size, new_vbei_size, open_vbei_size,
    save_vbei_size;
extern const unsigned char background_2x_vbei[], new_2x_vbei[], open_2x_vbei[], save_2x_vbei[];
extern const std::size_t background_2x_vbei_size, new_2x_vbei_size, open_2x_vbei_size,
    save_2x_vbei_size;
}  // namespace embedded

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes) {
  return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
         std::uint32_t(bytes[3]) << 24;
}

ArtworkPicture Picture(const unsigned char* bytes, std::size_t size) {
  return ReadArtwork({bytes, size});
}

}  // namespace

ArtworkPicture Artwork(std::string_view name, int scale) {
  using namespace embedded;
  if (scale == 2) {
    if (name == "background") return Picture(background_2x_vbei, background_2x_vbei_size);
    if (name == "new") return Picture(new_2x_vbei, new_2x_vbei_size);
    if (name == "open") return Picture(open_2x_vbei, open_2x_vbei_size);
    if (name == "save") return Picture(save_2x_vbei, save_2x_vbei_size);
  }
  if (name == "background") return Picture(background_vbei, background_vbei_size);
  if (name == "window") return Picture(window_vbei, window_vbei_size);
  if (name == "new") return Picture(new_vbei, new_vbei_size);
  if (name == "open") return Picture(open_vbei, open_vbei_size);
  if (name == "save") return Picture(save_vbei, save_vbei_size);
  return {};
}

// On a little-endian host (every host the editor runs on) the stored values are used in place.
ArtworkPicture ReadArtwork(std::span<const unsigned char> bytes) {
  static_assert(std::endian::native == std::endian::little);
  constexpr std::size_t kHeader = 12;
  if (bytes.size() < kHeader || reinterpret_cast<std::uintptr_t>(bytes.data()) % 4 != 0) return {};
  const std::uint32_t width = LittleEndian32(&bytes[4]), height = LittleEndian32(&bytes[8]);
  if (width == 0 || height == 0 || width > 4096 || height > 4096) return {};
  const std::size_t count = std::size_t(width) * height;
  const auto words = [&](std::size_t at, std::size_t n) {
    return std::span(reinterpret_cast<const std::uint32_t*>(&bytes[at]), n);
  };
  ArtworkPicture picture;
  picture.width = int(width);
  picture.height = int(height);
  if (std::memcmp(bytes.data(), "VBEI", 4) == 0) {
    if (bytes.size() != kHeader + count * 4) return {};
    picture.pixels = words(kHeader, count);
    return picture;
  }
  if (std::memcmp(bytes.data(), "VBEP", 4) == 0 && bytes.size() >= kHeader + 4) {
    const std::uint32_t colours = LittleEndian32(&bytes[kHeader]);
    const std::size_t stride = (std::size_t(width) + 3) & ~std::size_t(3);
    const std::size_t rows_at = kHeader + 4 + std::size_t(colours) * 4;
    if (colours == 0 || colours > 256 || bytes.size() != rows_at + stride * height) return {};
    picture.colours = words(kHeader + 4, colours);
    picture.colour_numbers = bytes.subspan(rows_at);
    picture.stride = int(stride);
    return picture;
  }
  return {};
}

}  // namespace vbe

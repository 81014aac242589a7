#include "forms/artwork.h"

#include <bit>
#include <cstddef>
#include <cstring>

namespace vbe {
namespace embedded {
extern const unsigned char background_vbei[], window_vbei[], new_vbei[], open_vbei[], save_vbei[];
extern const std::size_t background_vbei_size, window_vbei_size, new_vbei_size, open_vbei_size,
    save_vbei_size;
}  // namespace embedded

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes) {
  return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
         std::uint32_t(bytes[3]) << 24;
}

// The pictures are stored undecoded: the tag "VBEI", width and height as 32-bit little-endian
// numbers, then the pixels as 32-bit little-endian values. On a little-endian host (every host
// the editor runs on) they are used in place, without decoding or copying.
ArtworkPicture Picture(const unsigned char* bytes, std::size_t size) {
  static_assert(std::endian::native == std::endian::little);
  constexpr std::size_t kHeader = 12;
  if (size < kHeader || std::memcmp(bytes, "VBEI", 4) != 0) return {};
  const std::uint32_t width = LittleEndian32(bytes + 4), height = LittleEndian32(bytes + 8);
  if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
      size != kHeader + std::size_t(width) * height * 4) {
    return {};
  }
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(bytes + kHeader);
  return {int(width), int(height), {pixels, std::size_t(width) * height}};
}

}  // namespace

ArtworkPicture Artwork(std::string_view name) {
  using namespace embedded;
  if (name == "background") return Picture(background_vbei, background_vbei_size);
  if (name == "window") return Picture(window_vbei, window_vbei_size);
  if (name == "new") return Picture(new_vbei, new_vbei_size);
  if (name == "open") return Picture(open_vbei, open_vbei_size);
  if (name == "save") return Picture(save_vbei, save_vbei_size);
  return {};
}

}  // namespace vbe

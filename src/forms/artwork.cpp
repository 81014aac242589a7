#include "forms/artwork.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <vector>

namespace vbe {
namespace embedded {
extern const unsigned char background_vbei[], window_vbei[], new_vbei[], open_vbei[], save_vbei[];
extern const std::size_t background_vbei_size, window_vbei_size, new_vbei_size, open_vbei_size,
    save_vbei_size;
extern const unsigned char background_2x_vbez[], new_2x_vbez[], open_2x_vbez[], save_2x_vbez[];
extern const std::size_t background_2x_vbez_size, new_2x_vbez_size, open_2x_vbez_size,
    save_2x_vbez_size;
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

// Unpacks a 2x picture (the tag "VBEZ", width, height, then packets: a count byte c and
// c < 64: c + 1 pixels as they are; c < 128: c - 63 copies of the pixel before; else c - 127
// pixels copied from the row above) into `pixels`, which it keeps for the program's life. An
// empty picture when the packets do not make up exactly the whole picture.
ArtworkPicture Unpack(const unsigned char* bytes, std::size_t size,
                      std::vector<std::uint32_t>& pixels) {
  constexpr std::size_t kHeader = 12;
  if (!pixels.empty()) return {};  // unpacked before and found damaged
  if (size < kHeader || std::memcmp(bytes, "VBEZ", 4) != 0) return {};
  const std::uint32_t width = LittleEndian32(bytes + 4), height = LittleEndian32(bytes + 8);
  if (width == 0 || height == 0 || width > 4096 || height > 4096) return {};
  const std::size_t count = std::size_t(width) * height;
  pixels.reserve(count);
  for (std::size_t at = kHeader; at < size;) {
    const unsigned c = bytes[at++];
    if (c < 64) {
      if (size - at < (c + 1) * 4 || count - pixels.size() < c + 1) return {};
      for (unsigned i = 0; i <= c; ++i, at += 4) pixels.push_back(LittleEndian32(bytes + at));
    } else if (c < 128) {
      if (pixels.empty() || count - pixels.size() < c - 63) return {};
      pixels.insert(pixels.end(), c - 63, pixels.back());
    } else {
      if (pixels.size() < width || count - pixels.size() < c - 127) return {};
      for (unsigned i = 0; i < c - 127; ++i) pixels.push_back(pixels[pixels.size() - width]);
    }
  }
  if (pixels.size() != count) return {};
  ArtworkPicture picture;
  picture.width = int(width);
  picture.height = int(height);
  picture.pixels = pixels;
  return picture;
}

ArtworkPicture Packed(const unsigned char* bytes, std::size_t size,
                      std::vector<std::uint32_t>& pixels, ArtworkPicture& unpacked) {
  if (!unpacked) unpacked = Unpack(bytes, size, pixels);
  return unpacked;
}

ArtworkPicture Artwork2x(std::string_view name) {
  using namespace embedded;
  struct Kept {
    std::vector<std::uint32_t> pixels;
    ArtworkPicture picture;
  };
  static Kept background, new_icon, open_icon, save_icon;
  const auto unpacked = [](const unsigned char* bytes, std::size_t size, Kept& kept) {
    return Packed(bytes, size, kept.pixels, kept.picture);
  };
  if (name == "background")
    return unpacked(background_2x_vbez, background_2x_vbez_size, background);
  if (name == "new") return unpacked(new_2x_vbez, new_2x_vbez_size, new_icon);
  if (name == "open") return unpacked(open_2x_vbez, open_2x_vbez_size, open_icon);
  if (name == "save") return unpacked(save_2x_vbez, save_2x_vbez_size, save_icon);
  return {};
}

}  // namespace

ArtworkPicture Artwork(std::string_view name, int scale) {
  using namespace embedded;
  if (scale == 2) {
    if (const ArtworkPicture picture = Artwork2x(name)) return picture;
  }
  if (name == "background") return Picture(background_vbei, background_vbei_size);
  if (name == "window") return Picture(window_vbei, window_vbei_size);
  if (name == "new") return Picture(new_vbei, new_vbei_size);
  if (name == "open") return Picture(open_vbei, open_vbei_size);
  if (name == "save") return Picture(save_vbei, save_vbei_size);
  return {};
}

}  // namespace vbe

// The artwork at its two sizes, and which size a window drawn at a given scale takes.
#include "forms/artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "support/artwork_pixels.h"

namespace vbe::testing {
namespace {

class ArtworkAt2x : public ::testing::TestWithParam<const char*> {};

// Each 2x pixel block of two by two, averaged, against the 1x pixel: drawn at two sizes the
// edges fall a little differently, but a pixel out of place shifts the whole picture.
TEST_P(ArtworkAt2x, IsTheSamePictureTwiceAsLarge) {
  const ArtworkPicture one = Artwork(GetParam()), two = Artwork(GetParam(), 2);
  ASSERT_TRUE(one);
  ASSERT_TRUE(two);
  ASSERT_EQ(two.width, 2 * one.width);
  ASSERT_EQ(two.height, 2 * one.height);
  ASSERT_EQ(two.paletted(), one.paletted());
  long long difference = 0;
  for (int y = 0; y < one.height; ++y) {
    for (int x = 0; x < one.width; ++x) {
      for (int shift = 0; shift < 32; shift += 8) {
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
          sum += int(ArtworkPixel(two, 2 * x + i % 2, 2 * y + i / 2) >> shift & 0xFF);
        }
        difference += std::abs(sum / 4 - int(ArtworkPixel(one, x, y) >> shift & 0xFF));
      }
    }
  }
  EXPECT_LT(double(difference) / (4.0 * one.width * one.height), 4.0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ArtworkAt2x,
                         ::testing::Values("background", "new", "open", "save"));

TEST(Artwork, WindowsFrom150PercentOnDrawThe2xPicturesAndTheIconHasOneSize) {
  const struct {
    int dpi, scale;
  } cases[] = {{96, 1}, {120, 1}, {143, 1}, {144, 2}, {168, 2}, {192, 2}, {288, 2}};
  for (const auto& c : cases) EXPECT_EQ(ArtworkScale(c.dpi), c.scale) << c.dpi;
  EXPECT_EQ(Artwork("window", 2).pixels.data(), Artwork("window").pixels.data());
  EXPECT_FALSE(Artwork("nothing", 2));
}

// Stored picture bytes, 4-byte aligned as the program's embedded pictures are.
class PictureBytes {
 public:
  PictureBytes(const char* tag, std::vector<std::uint32_t> numbers,
               std::vector<std::uint8_t> tail = {}) {
    words_.resize(1 + numbers.size() + (tail.size() + 3) / 4);
    std::memcpy(words_.data(), tag, 4);
    std::copy(numbers.begin(), numbers.end(), words_.begin() + 1);
    std::copy(tail.begin(), tail.end(),
              reinterpret_cast<std::uint8_t*>(words_.data() + 1 + numbers.size()));
    size_ = 4 + numbers.size() * 4 + tail.size();
  }
  std::span<const unsigned char> Bytes(std::size_t skip = 0, int extra = 0) const {
    return {reinterpret_cast<const unsigned char*>(words_.data()) + skip,
            std::size_t(int(size_) + extra) - skip};
  }

 private:
  std::vector<std::uint32_t> words_;
  std::size_t size_ = 0;
};

TEST(Artwork, ReadsFullColourAndPalettedPicturesInPlace) {
  const PictureBytes full("VBEI", {2, 1, 0xff102030, 0x80404040});
  const ArtworkPicture a = ReadArtwork(full.Bytes());
  ASSERT_TRUE(a);
  EXPECT_EQ(a.width, 2);
  EXPECT_EQ(a.height, 1);
  EXPECT_FALSE(a.paletted());
  EXPECT_EQ(std::vector(a.pixels.begin(), a.pixels.end()),
            (std::vector<std::uint32_t>{0xff102030, 0x80404040}));
  EXPECT_EQ(a.pixels.data(), reinterpret_cast<const std::uint32_t*>(full.Bytes().data()) + 3);

  // Three pixels a row are padded to four bytes.
  const PictureBytes paletted("VBEP", {3, 2, 2, 0xff000000, 0xffffffff}, {1, 0, 1, 9, 0, 1, 0, 9});
  const ArtworkPicture p = ReadArtwork(paletted.Bytes());
  ASSERT_TRUE(p);
  EXPECT_TRUE(p.paletted());
  EXPECT_EQ(p.width, 3);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(p.stride, 4);
  EXPECT_TRUE(p.pixels.empty());
  EXPECT_EQ(std::vector(p.colours.begin(), p.colours.end()),
            (std::vector<std::uint32_t>{0xff000000, 0xffffffff}));
  EXPECT_EQ(std::vector(p.colour_numbers.begin(), p.colour_numbers.end()),
            (std::vector<std::uint8_t>{1, 0, 1, 9, 0, 1, 0, 9}));
}

TEST(Artwork, RefusesBytesOfAnyOtherShape) {
  const std::vector<std::uint8_t> rows(8, 0);
  std::vector<std::uint32_t> many_colours{3, 2, 257};
  many_colours.resize(3 + 257, 0xff000000);
  struct Case {
    const char* what;
    PictureBytes bytes;
    std::size_t skip = 0;
    int extra = 0;
  };
  const Case cases[] = {
      {"unknown tag", PictureBytes("VBEX", {1, 1, 0})},
      {"pixels missing", PictureBytes("VBEI", {2, 1, 0})},
      {"a byte too many", PictureBytes("VBEI", {1, 1, 0}, {0})},
      {"a byte too few", PictureBytes("VBEI", {1, 1, 0}), 0, -1},
      {"no width", PictureBytes("VBEI", {0, 1})},
      {"no height", PictureBytes("VBEI", {1, 0})},
      {"wider than 4096", PictureBytes("VBEI", {4097, 1}, std::vector<std::uint8_t>(4097 * 4))},
      {
          "header cut",
          PictureBytes("VBEI", {1}),
      },
      {"no colours", PictureBytes("VBEP", {3, 2, 0}, rows)},
      {"257 colours", PictureBytes("VBEP", many_colours, rows)},
      {"rows unpadded", PictureBytes("VBEP", {3, 2, 1, 0xff000000}, {0, 0, 0, 0, 0, 0})},
      {"colour count cut", PictureBytes("VBEP", {3, 2})},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ReadArtwork(c.bytes.Bytes(c.skip, c.extra))) << c.what;
  }
  // The same picture as the first accepted one, one byte off its alignment.
  std::vector<std::uint32_t> storage(5);
  const PictureBytes good("VBEI", {1, 1, 0});
  std::memcpy(reinterpret_cast<unsigned char*>(storage.data()) + 1, good.Bytes().data(), 16);
  ASSERT_TRUE(ReadArtwork(good.Bytes()));
  EXPECT_FALSE(ReadArtwork({reinterpret_cast<const unsigned char*>(storage.data()) + 1, 16}));
}

TEST(Artwork, CarriesEveryNamedPicture) {
  const ArtworkPicture background = Artwork("background");
  ASSERT_TRUE(background);
  EXPECT_TRUE(background.paletted());
  EXPECT_EQ(background.width, 360);
  EXPECT_EQ(background.height, 220);
  // Opaque colours: the system reads them as colour table entries, the fourth byte unused.
  for (std::uint32_t colour : background.colours) EXPECT_EQ(colour >> 24, 0xffu);
  for (const char* icon : {"window", "new", "open", "save"}) {
    const ArtworkPicture picture = Artwork(icon);
    ASSERT_TRUE(picture) << icon;
    EXPECT_FALSE(picture.paletted()) << icon;
    EXPECT_EQ(picture.width, 32) << icon;
    EXPECT_EQ(picture.pixels.size(), std::size_t(picture.width) * picture.height) << icon;
  }
  EXPECT_FALSE(Artwork("Background"));
}

}  // namespace
}  // namespace vbe::testing

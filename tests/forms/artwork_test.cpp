// The artwork at its two sizes, and which size a window drawn at a given scale takes.
#include "forms/artwork.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

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
  ASSERT_EQ(two.pixels.size(), std::size_t(two.width) * two.height);
  long long difference = 0;
  for (int y = 0; y < one.height; ++y) {
    for (int x = 0; x < one.width; ++x) {
      for (int shift = 0; shift < 32; shift += 8) {
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
          const std::size_t at = std::size_t(2 * y + i / 2) * two.width + 2 * x + i % 2;
          sum += int(two.pixels[at] >> shift & 0xFF);
        }
        difference +=
            std::abs(sum / 4 - int(one.pixels[std::size_t(y) * one.width + x] >> shift & 0xFF));
      }
    }
  }
  EXPECT_LT(double(difference) / (4.0 * one.width * one.height), 4.0);
  // Asked again, the same pixels: unpacked once.
  EXPECT_EQ(Artwork(GetParam(), 2).pixels.data(), two.pixels.data());
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

}  // namespace
}  // namespace vbe::testing

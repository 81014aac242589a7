// The values of the window tables that decide what the user can do, against numbers written
// here: the front ends' own tests only check that each control follows its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "forms/artwork.h"
#include "forms/locator_window.h"
#include "forms/main_window.h"

namespace vbe::testing {
namespace {

// The names of the controls Tab visits, in that order.
std::vector<std::string> TabOrder(std::span<const ControlRow> rows) {
  std::vector<const ControlRow*> stops;
  for (const ControlRow& row : rows) {
    if (row.tab >= 0) stops.push_back(&row);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
  std::vector<std::string> names;
  for (const ControlRow* row : stops) names.emplace_back(row->name);
  return names;
}

TEST(WindowTables, TakeAtMost36CharactersInEachLineAndVisitTheControlsInTabOrder) {
  std::map<std::string, int> limited;
  for (const ControlRow& row : MainWindowControls()) {
    if (row.max_length != 0) limited[row.name] = row.max_length;
  }
  EXPECT_EQ(limited, (std::map<std::string, int>{{"Text1", 36},
                                                 {"Text2", 36},
                                                 {"Text3", 36},
                                                 {"Text4", 36},
                                                 {"Text5", 36},
                                                 {"Text6", 36},
                                                 {"Text7", 36},
                                                 {"Text8", 36}}));
  EXPECT_EQ(TabOrder(MainWindowControls()),
            (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Text1",
                                      "Text2",    "Text3",    "Text4",    "Text5",    "Text6",
                                      "Text7",    "Text8",    "Option1",  "Option2",  "Text14",
                                      "Command5", "Check1",   "Command6", "Text15",   "Check2",
                                      "Combo1",   "Command7", "Command8", "Command9"}));
  EXPECT_EQ(TabOrder(LocatorWindowControls()),
            (std::vector<std::string>{"Drive1", "Command1", "Command2", "Dir1"}));
}

// Stored picture bytes, 4-byte aligned as the program's embedded pictures are.
class PictureBytes {
 public:
  PictureBytes(const char* tag, std::vector<std::uint32_t> numbers,
               std::vector<std::uint8_t> tail = {}) {
    words_.resize(1 + numbers.size() + (tail.size() + 3) / 4);
    std::memcpy(words_.data(), tag, 4);
    std::memcpy(words_.data() + 1, numbers.data(), numbers.size() * 4);
    std::memcpy(words_.data() + 1 + numbers.size(), tail.data(), tail.size());
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

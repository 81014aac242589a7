#include "gamecfg/key_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vbe {
namespace {

// Each run of the catalogue: its first position (1-based) and its names in order.
struct CatalogueRun {
  std::size_t first;
  std::vector<std::string_view> names;
};

TEST(KeyCatalogue, FallsIntoItsRunsInOrder) {
  std::vector<std::string_view> letters;
  constexpr std::string_view alphabet = "abcdefghijklmnopqrstuvwxyz";
  for (std::size_t i = 0; i < alphabet.size(); ++i) letters.push_back(alphabet.substr(i, 1));
  const CatalogueRun runs[] = {
      {1, letters},
      {27, {"\\", ",", ".", "/", "'", "#", "[", "]", "=", "-"}},
      {37, {"INS", "HOME", "PG_UP", "PG_DN", "DEL", "END", "PAUSE"}},
      {44,
       {"SEMICOLON", "BACKSPACE", "UPARROW", "DOWNARROW", "LEFTARROW", "RIGHTARROW", "SPACE",
        "SHIFT", "CTRL", "ALT", "TAB"}},
      {55,
       {"KP_SLASH", "*", "KP_MINUS", "KP_PLUS", "KP_ENTER", "KP_HOME", "KP_PGUP", "KP_PAGEDOWN",
        "KP_END", "KP_5", "KP_UPARROW", "KP_DOWNARROW", "KP_RIGHTARROW", "KP_LEFTARROW", "KP_INS",
        "KP_DEL"}},
      {71, {"JOY1", "JOY2", "JOY3", "JOY4"}},
      {75, {"MWHEELDOWN", "MWHEELUP"}},
  };
  ASSERT_EQ(KeyCatalogue.size(), 76u);
  std::size_t next = 1;
  for (const CatalogueRun& run : runs) {
    ASSERT_EQ(run.first, next) << "the runs leave no gap";
    for (std::size_t i = 0; i < run.names.size(); ++i) {
      EXPECT_EQ(KeyCatalogue.at(run.first - 1 + i), run.names[i]) << "position " << run.first + i;
    }
    next = run.first + run.names.size();
  }
  EXPECT_EQ(next, 77u);
  EXPECT_EQ(KeyCatalogue[26], "\\") << "entry 27 is a lone backslash";
  EXPECT_EQ(KeyCatalogue[55], "*") << "entry 56 is the bare star";
  EXPECT_EQ(std::count(KeyCatalogue.begin(), KeyCatalogue.end(), KeyPrompt), 0);
}

}  // namespace
}  // namespace vbe

// The values of the window tables that decide what the user can do, against numbers written
// here: the front ends' own tests only check that each control follows its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace vbe::testing

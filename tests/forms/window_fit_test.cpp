// The scale and place of a window on a monitor whose work area may be smaller than the window.
#include "forms/window_fit.h"

#include <gtest/gtest.h>

#include "forms/main_window.h"

namespace vbe::testing {
namespace {

struct FitCase {
  const char* name;
  int wanted_dpi;
  ScreenRect work;
  bool placed;
  int left, top;  // where the window would go, when placed
  WindowFit want;
};

// The main window, 696 by 447 pixels at 100 %, in a frame of 16 by 39 pixels.
constexpr int kFrameWidth = 16, kFrameHeight = 39;

class FitWindowTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitWindowTest, DrawsTheLargestScaleThatFitsAndKeepsTheWindowInsideTheWorkArea) {
  const FitCase& c = GetParam();
  FitRequest request{.client_width = MainClientWidth,
                     .client_height = MainClientHeight,
                     .wanted_dpi = c.wanted_dpi,
                     .frame_width = kFrameWidth,
                     .frame_height = kFrameHeight,
                     .work_area = c.work,
                     .placed = c.placed,
                     .left = c.left,
                     .top = c.top};
  const WindowFit fit = FitWindow(request);
  EXPECT_EQ(fit.dpi, c.want.dpi);
  EXPECT_EQ(fit.left, c.want.left);
  EXPECT_EQ(fit.top, c.want.top);
}

// At 175 % the window is 1218 + 16 by 782 + 39 pixels, at 125 % 870 + 16 by 559 + 39.
INSTANTIATE_TEST_SUITE_P(
    Monitors, FitWindowTest,
    ::testing::Values(
        // 1392 pixels wide at 200 % is too wide for 1280: 175 %, centred.
        FitCase{"Wide200On1280", 192, {0, 0, 1280, 984}, false, 0, 0, {168, 23, 81}},
        FitCase{"Fits200On2560", 192, {0, 0, 2560, 1400}, false, 0, 0, {192, 576, 233}},
        // Exactly as wide as the work area still fits.
        FitCase{"ExactlyWide", 168, {0, 0, 1234, 821}, false, 0, 0, {168, 0, 0}},
        FitCase{"OnePixelShort", 168, {0, 0, 1234, 820}, false, 0, 0, {144, 87, 55}},
        // Too short at 150 % (671 + 39): 125 %.
        FitCase{"Short150", 144, {0, 0, 1920, 700}, false, 0, 0, {120, 517, 51}},
        // A scale between the steps goes down to the step below it.
        FitCase{"Between", 130, {0, 0, 900, 620}, false, 0, 0, {120, 7, 11}},
        // Nothing fits: 100 %, at the top-left corner of the work area, right of a panel.
        FitCase{"NothingFits", 120, {48, 24, 640, 456}, false, 0, 0, {96, 48, 24}},
        // A placed window partly off the work area of a monitor left of the main one.
        FitCase{"PlacedOffRight", 96, {-1280, 0, 1280, 1024}, true, -300, 900, {96, -712, 538}},
        FitCase{"PlacedOffLeft", 96, {-1280, 0, 1280, 1024}, true, -1400, -5, {96, -1280, 0}},
        FitCase{"PlacedInside", 120, {0, 0, 1920, 1080}, true, 100, 200, {120, 100, 200}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vbe::testing

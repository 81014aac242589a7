#include "forms/window_fit.h"

#include <algorithm>

namespace vbe {
namespace {

constexpr int kBaseDpi = 96;
constexpr int kDpiStep = 24;  // 25 %

// Keeps [at, at + length) inside [from, from + room); a length larger than the room starts
// at its start.
int Inside(int at, int length, int from, int room) {
  return std::max(from, std::min(at, from + room - length));
}

}  // namespace

WindowFit FitWindow(const FitRequest& request) {
  const ScreenRect& work = request.work_area;
  const auto outer_width = [&](int dpi) {
    return ScaledPixels(request.client_width, dpi) + request.frame_width;
  };
  const auto outer_height = [&](int dpi) {
    return ScaledPixels(request.client_height, dpi) + request.frame_height;
  };
  const auto fits = [&](int dpi) {
    return outer_width(dpi) <= work.width && outer_height(dpi) <= work.height;
  };
  WindowFit fit;
  fit.dpi = request.wanted_dpi;
  // The wanted scale, then each step below it, down to 100 %.
  for (int dpi = request.wanted_dpi; !fits(fit.dpi) && dpi > kBaseDpi;) {
    const int below = (dpi - 1) / kDpiStep * kDpiStep;
    dpi = std::max(kBaseDpi, below);
    fit.dpi = dpi;
  }
  const int width = outer_width(fit.dpi), height = outer_height(fit.dpi);
  const int left = request.placed ? request.left : work.left + (work.width - width) / 2;
  const int top = request.placed ? request.top : work.top + (work.height - height) / 2;
  fit.left = Inside(left, width, work.left, work.width);
  fit.top = Inside(top, height, work.top, work.height);
  return fit;
}

}  // namespace vbe

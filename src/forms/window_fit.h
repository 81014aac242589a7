// Where a window goes on its monitor and at what scale its layout is drawn there, so that the
// whole window lies inside the monitor's work area (the screen without its panels and task bar).
#pragma once

namespace vbe {

// A rectangle of the screen in device pixels.
struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct FitRequest {
  int client_width = 0, client_height = 0;  // the layout's client area in twips
  int wanted_dpi = 96;                      // the monitor's scale: 96 is 100 %, 192 is 200 %
  int frame_width = 0, frame_height = 0;    // what the window's frame adds, in device pixels
  ScreenRect work_area;
  // Where the window's outer top-left corner would go; without it the window is centred.
  bool placed = false;
  int left = 0, top = 0;
};

struct WindowFit {
  int dpi = 96;  // the scale the layout is drawn at
  int left = 0;  // the window's outer top-left corner
  int top = 0;
};

// The largest scale not above the wanted one, going down in steps of 25 % (24 dpi), at which
// the window with its frame fits the work area, but never below 100 %; and the window's place,
// moved inside the work area (to its top-left corner where the window is larger still).
WindowFit FitWindow(const FitRequest& request);

// A length of the layout in twips drawn at `dpi`, in pixels (rounded to the nearest).
inline int ScaledPixels(int twips, int dpi) {
  return (twips * dpi + 720) / 1440;
}

}  // namespace vbe

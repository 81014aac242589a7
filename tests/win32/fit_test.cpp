// The main window at each scale: every caption whole in the font it is drawn with, eight rows in
// the preview, and the window inside the work area of its monitor.
#include <string>

#include "forms/artwork.h"
#include "support/artwork_pixels.h"
#include "win32/win32_fixture.h"

namespace vbe::testing {
namespace {

// Large enough for the window at any scale tested here.
constexpr RECT kRoomy{0, 0, 4000, 3000};

bool HasCaption(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::PictureButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      return row.visible;
    default:
      return false;
  }
}

struct Extent {
  int width, height;
};

// The caption's extent in the control's own font: a label wrapped at its width as the static
// control wraps it, any other on one row.
Extent CaptionExtent(HWND control, const ControlRow& row, int width) {
  HDC dc = GetDC(control);
  HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const std::wstring caption = BindTextToWide(row.caption);
  RECT rect{0, 0, width, 0};
  DrawTextW(
      dc, caption.c_str(), -1, &rect,
      DT_CALCRECT | (row.kind == ControlKind::Label ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE));
  SelectObject(dc, old_font);
  ReleaseDC(control, dc);
  return {rect.right, rect.bottom};
}

// Every caption of a window's table, measured in the font its control is drawn with, lies
// whole inside the control beside what the control keeps for itself.
void ExpectCaptionsWhole(HWND window, std::span<const ControlRow> rows, int dpi) {
  const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  for (const ControlRow& row : rows) {
    if (!HasCaption(row)) continue;
    SCOPED_TRACE(std::string(row.name) + " \"" + row.caption + "\" at " + std::to_string(dpi));
    const HWND control = Control(window, row.name);
    RECT client;
    GetClientRect(control, &client);
    // Room the control keeps for itself: a button's frame, the box before a choice's caption,
    // a picture button's icon and margins.
    int room_width = client.right, room_height = client.bottom;
    switch (row.kind) {
      case ControlKind::Button:
        room_width -= 2 * scaled(3);
        room_height -= 2 * scaled(2);
        break;
      case ControlKind::PictureButton:
        room_width -= 2 * scaled(4);
        room_height -= scaled(32) + 2 * scaled(4);
        break;
      case ControlKind::CheckBox:
      case ControlKind::OptionButton:
        room_width -= scaled(13) + scaled(4);
        break;
      default:
        break;
    }
    const Extent text = CaptionExtent(control, row, room_width);
    EXPECT_LE(text.width, room_width);
    EXPECT_LE(text.height, room_height);
  }
}

class CaptionsAtDpi : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(CaptionsAtDpi, ShowWholeInTheirControlsAndThePreviewHoldsEightRows) {
  const int dpi = GetParam();
  form->FitInto(kRoomy, static_cast<UINT>(dpi));
  Pump();
  ExpectCaptionsWhole(Window(), MainWindowControls(), dpi);
  // The locator window, moved to a monitor of this DPI.
  Click(Get(kLocateButton));
  const HWND locator = form->LocatorWindowHandle();
  ASSERT_NE(locator, nullptr);
  RECT suggested{0, 0, 100, 100};
  SendMessageW(locator, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Pump();
  ExpectCaptionsWhole(locator, LocatorWindowControls(), dpi);

  // The preview's text area against eight rows of its font.
  const HWND preview = Get(kPreviewBox);
  RECT area;
  SendMessageW(preview, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  HDC dc = GetDC(preview);
  HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(preview, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old_font);
  ReleaseDC(preview, dc);
  EXPECT_GE(area.bottom - area.top, 8 * metrics.tmHeight) << "at " << dpi;
}

// 175 % is the scale a 200 % screen of 1280 pixels gets.
INSTANTIATE_TEST_SUITE_P(Scales, CaptionsAtDpi, ::testing::Values(96, 120, 144, 168, 192));

struct FitCase {
  const char* name;
  RECT work;
  UINT dpi;
  int layout_dpi;  // the scale that fits
};

class WindowFit : public MainWindowTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(WindowFit, LaysTheWindowOutAtTheScaleThatFitsInsideTheWorkArea) {
  const FitCase& c = GetParam();
  form->FitInto(c.work, c.dpi);
  Pump();
  RECT outer, client;
  GetWindowRect(Window(), &outer);
  GetClientRect(Window(), &client);
  EXPECT_GE(outer.left, c.work.left);
  EXPECT_GE(outer.top, c.work.top);
  EXPECT_LE(outer.right, c.work.right);
  EXPECT_LE(outer.bottom, c.work.bottom);
  EXPECT_EQ(client.right, TwipsToPixels(MainClientWidth, c.layout_dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(MainClientHeight, c.layout_dpi));
  // The controls follow, Save at the right edge among them.
  RECT save;
  GetWindowRect(Get(kSaveButton), &save);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&save), 2);
  EXPECT_EQ(save.right, PixelRect(RowNamed(MainWindowControls(), kSaveButton), c.layout_dpi).right);
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, WindowFit,
                         ::testing::Values(FitCase{"Screen1280At200", {0, 0, 1280, 984}, 192, 168},
                                           FitCase{
                                               "LeftMonitorAt150", {-1024, 0, 0, 740}, 144, 120}),
                         [](const auto& info) { return info.param.name; });

// Moved to a monitor at 200 %, the window takes that monitor's work area (the virtual screen of
// 1280 by 1024 pixels here), with the place the system suggests moved inside it.
TEST_F(MainWindowTest, MovedToAMonitorAt200PercentTheWindowFitsItsWorkArea) {
  RECT suggested{900, 700, 2292, 1594};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  Pump();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &monitor);
  ASSERT_LT(monitor.rcWork.right - monitor.rcWork.left, TwipsToPixels(MainClientWidth, 192));
  RECT outer;
  GetWindowRect(Window(), &outer);
  EXPECT_GE(outer.left, monitor.rcWork.left);
  EXPECT_GE(outer.top, monitor.rcWork.top);
  EXPECT_LE(outer.right, monitor.rcWork.right);
  EXPECT_LE(outer.bottom, monitor.rcWork.bottom);
  RECT client;
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(MainClientWidth, 168));
}

// The opaque pixels of `picture` against those the window shows with its top-left corner at
// `left`, `top` of its client area: how many differ.
int Differing(HWND window, const ArtworkPicture& picture, int left, int top) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC window_dc = GetDC(window);
  HDC memory = CreateCompatibleDC(window_dc);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, window_dc, left, top, SRCCOPY);
  int differing = 0;
  const auto* shown = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t want = ArtworkPixel(picture, x, y);
      const std::uint32_t got = shown[std::size_t(y) * picture.width + x];
      if (want >> 24 == 0xFF) differing += (got & 0xFFFFFF) != (want & 0xFFFFFF);
    }
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, window_dc);
  return differing;
}

// Drawn at 200 %, the background and the picture buttons' icons are the 2x pictures pixel for
// pixel; at 100 % the 1x ones.
class Artwork2x : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(Artwork2x, IsDrawnAtTheWindowsScale) {
  const int scale = GetParam(), dpi = 96 * scale;
  form->FitInto(RECT{0, 0, 1500, 1100}, static_cast<UINT>(dpi));
  RedrawWindow(Window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  ASSERT_EQ(PixelRect(RowNamed(MainWindowControls(), kSaveButton), dpi).right,
            PixelRect(RowNamed(MainWindowControls(), kSaveButton), 96).right * scale);
  RECT save;
  GetWindowRect(Get(kSaveButton), &save);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&save), 2);
  ASSERT_EQ(save.right, PixelRect(RowNamed(MainWindowControls(), kSaveButton), dpi).right);

  const ArtworkPicture background = Artwork("background", scale);
  ASSERT_EQ(background.width, 360 * scale);
  EXPECT_EQ(Differing(Window(), background, 0, 0), 0);
  const ArtworkPicture icon = Artwork("new", scale);
  ASSERT_EQ(icon.width, 32 * scale);
  const HWND button = Get(kNewButton);
  RECT client;
  GetClientRect(button, &client);
  EXPECT_EQ(Differing(button, icon, (client.right - icon.width) / 2, 4 * scale), 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, Artwork2x, ::testing::Values(1, 2));

}  // namespace
}  // namespace vbe::testing

// The three windows in high contrast: every control's colours are the scheme's own and read.
// The scheme is the system's as it stands (a test must not change it for the tests that run
// beside it); only the question whether high contrast is on is answered here.
#include <cstdlib>

#include "win32/win32_fixture.h"

namespace vbe::testing {
namespace {

class HighContrast : public MainWindowTest {
 protected:
  // High contrast turned on with the window open: the system tells every window so.
  HighContrast() {
    HighContrastOn = [] { return true; };
    SendMessageW(Window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    Pump();
  }
  ~HighContrast() override { HighContrastOn = query_; }

  struct Answer {
    COLORREF text, background, brush;
  };
  // What `window` answers when `control` asks for its colours.
  static Answer ColoursOf(HWND window, HWND control, UINT message) {
    HDC dc = GetDC(control);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH drawn{};
    GetObjectW(brush, sizeof(drawn), &drawn);
    const Answer answer{GetTextColor(dc), GetBkColor(dc), drawn.lbColor};
    ReleaseDC(control, dc);
    return answer;
  }

  bool (*query_)() = HighContrastOn;
};

bool IsTextBoxOrList(ControlKind kind) {
  return kind == ControlKind::LineEditor || kind == ControlKind::MultiLineBox ||
         kind == ControlKind::ComboBox || kind == ControlKind::DriveList ||
         kind == ControlKind::FolderList;
}

// The message a control of the row's kind sends for its colours.
UINT MessageOf(const ControlRow& row) {
  if (row.kind == ControlKind::FolderList) return WM_CTLCOLORLISTBOX;
  if (row.kind == ControlKind::Button) return WM_CTLCOLORBTN;
  if (IsTextBoxOrList(row.kind) && !row.locked) return WM_CTLCOLOREDIT;
  return WM_CTLCOLORSTATIC;
}

RgbValue RgbOf(COLORREF c) {
  return static_cast<RgbValue>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
}

TEST_F(HighContrast, EveryControlOfTheThreeWindowsTakesTheSchemesPairForItsKind) {
  // The window stands on the scheme's ground, without the picture.
  UpdateWindow(Window());
  HDC window_dc = GetDC(Window());
  for (const POINT at : {POINT{20, 20}, POINT{200, 100}}) {
    EXPECT_EQ(GetPixel(window_dc, at.x, at.y), GetSysColor(COLOR_BTNFACE)) << at.x << "," << at.y;
  }
  ReleaseDC(Window(), window_dc);
  form->Behaviour().OnPasteRows(1, 0, 0,
                                u"  /\\_/\\   meow\r\n ( o.o )\r\n  > ^ <\r\n /     \\\r\n"
                                u"(       )\r\n \\_____/\r\n  |   |\r\n ~~~~~~~~~~\r\n");
  Click(Get(kYellowOption));
  Pump();
  // A look at the window as the user sees it, when asked for.
  if (const char* pause = std::getenv("VBE_TEST_PAUSE_MS")) {
    for (int waited = 0; waited < std::atoi(pause); waited += 50) {
      Pump();
      Sleep(50);
    }
  }
  Click(Get(kLocateButton));
  Click(Get(kReadMeButton));
  const HWND windows[] = {Window(), form->LocatorWindowHandle(), form->ReadMeWindowHandle()};
  for (const HWND window : windows) {
    ASSERT_NE(window, nullptr);
    for (const ControlRow& row : TableOf(window)) {
      if (row.kind == ControlKind::Shape || row.kind == ControlKind::PictureButton) continue;
      const Answer answer = ColoursOf(window, Control(window, row.name), MessageOf(row));
      const bool text_box = IsTextBoxOrList(row.kind);
      const COLORREF ground = GetSysColor(text_box ? COLOR_WINDOW : COLOR_BTNFACE);
      const COLORREF text = GetSysColor(text_box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
      EXPECT_EQ(answer.text, text) << row.name;
      EXPECT_EQ(answer.background, ground) << row.name;
      EXPECT_EQ(answer.brush, ground) << row.name;
      EXPECT_GE(ContrastRatio(RgbOf(answer.text), RgbOf(answer.background)), ReadableContrast)
          << row.name;
    }
  }
}

}  // namespace
}  // namespace vbe::testing

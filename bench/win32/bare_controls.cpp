// The floor of the Windows start-up benchmark: the standard controls the editor's main window
// holds, of the same classes, number and sizes, in a window of its size, and nothing else: no
// picture, no fonts of its own, no behaviour. Started and measured like the editor, it shows
// what the controls alone cost a program that shows them.
#include <windows.h>

#include "bench_report.h"

namespace {

struct BareControl {
  const wchar_t* window_class;
  DWORD style;
  int left, top, width, height;
};

// The main window's controls in pixels at 96 DPI, with an empty label before each control a
// screen reader names by it.
constexpr BareControl kControls[] = {
    {L"STATIC", SS_LEFT, 368, 268, 141, 13},
    {L"STATIC", SS_LEFT, 28, 224, 85, 13},
    {L"STATIC", SS_LEFT, 36, 264, 134, 13},
    {L"STATIC", SS_LEFT, 36, 316, 108, 13},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 408, 12, 85, 55},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 496, 12, 85, 55},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 584, 12, 85, 55},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 76, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 96, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 116, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 136, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 156, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 176, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 196, 301, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 368, 216, 301, 21},
    {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 424, 240, 113, 21},
    {L"BUTTON", BS_AUTORADIOBUTTON, 548, 240, 121, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_MULTILINE | ES_READONLY | WS_TABSTOP, 372, 288, 293, 125},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 376, 416, 117, 25},
    {L"BUTTON", BS_AUTO3STATE | WS_TABSTOP, 492, 416, 105, 13},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 236, 356, 97, 61},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"EDIT", ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, 36, 280, 165, 19},
    {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 36, 240, 261, 21},
    {L"STATIC", 0, 0, 0, 0, 0},
    {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 148, 312, 133, 252},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 132, 356, 97, 61},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 28, 356, 97, 61},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 208, 280, 25, 21},
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  HWND window = vbe::bench::CreateYardstickWindow(instance, L"VbeBareControlsWindow",
                                                  vbe::bench::BlankWindowProc);
  if (!window) return 1;
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (const BareControl& c : kControls) {
    HWND control =
        CreateWindowExW(0, c.window_class, L"Caption", WS_CHILD | WS_VISIBLE | c.style, c.left,
                        c.top, c.width, c.height, window, nullptr, instance, nullptr);
    if (!control) return 1;
    SendMessageW(control, WM_SETFONT, font, FALSE);
  }
  return vbe::bench::ShowAndRun(window, show);
}

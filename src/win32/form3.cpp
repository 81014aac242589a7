#include "win32/form3.h"

#include <algorithm>

#include "forms/readme_window.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

constexpr wchar_t kClassName[] = L"VbeForm3";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

}  // namespace

Form3::Form3() {
  // Created at its restored size for the DPI of the screen it opens on.
  CreateFormWindow(
      kClassName, FormWindowProc<Form3>, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), ReadMeTitle,
      kStyle, nullptr,
      WindowSizeForClient(ReadMeClientWidth, ReadMeClientHeight, kStyle, 0, WindowDpi(nullptr)),
      this);
  const UINT dpi = WindowDpi(window_);

  const ControlRow& row = ReadMeTextRow;
  text1_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | WS_GROUP |
                               ES_MULTILINE | ES_AUTOVSCROLL | (row.locked ? ES_READONLY : 0),
                           0, 0, 0, 0, window_, reinterpret_cast<HMENU>(INT_PTR(FirstControlId)),
                           GetModuleHandleW(nullptr), nullptr);
  fonts_.Create(dpi);
  SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(row.font)), FALSE);
  SendMessageW(text1_, EM_LIMITTEXT, 0, 0);
  LoadReadMe(*this);
  ShowWindow(window_, SW_SHOWMAXIMIZED);
  SetForegroundWindow(window_);
  SetFocus(text1_);
}

Form3::~Form3() {
  DestroyFormWindow(window_);
}

// The work area of the window's monitor in pixels of 15 twips, the unit the load step counts
// in.
TwipSize Form3::WorkAreaPixels() const {
  const int dpi = static_cast<int>(WindowDpi(window_));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return {MulDiv(monitor.rcWork.right - monitor.rcWork.left, 96, dpi),
          MulDiv(monitor.rcWork.bottom - monitor.rcWork.top, 96, dpi)};
}

void Form3::ShowNotes(std::u16string_view text) {
  SetWindowText16(text1_, text);
}

void Form3::SizeNotes(TwipSize size) {
  notes_size_ = size;
  PlaceNotes();
}

void Form3::PlaceNotes() {
  if (!text1_) return;
  const UINT dpi = WindowDpi(window_);
  RECT client;
  GetClientRect(window_, &client);
  const int width = std::min<int>(TwipsToPixels(notes_size_.width, dpi), client.right);
  const int height = std::min<int>(TwipsToPixels(notes_size_.height, dpi), client.bottom);
  SetWindowPos(text1_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form3::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      PlaceNotes();
      return 0;
    case WM_CTLCOLORSTATIC:
      // A read-only box in a text box's own colours.
      SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_SETFOCUS:
      if (text1_) SetFocus(text1_);
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      fonts_.Create(HIWORD(wparam));
      SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(ReadMeTextRow.font)),
                   TRUE);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace vbe

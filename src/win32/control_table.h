// The Win32 front end: the three windows of forms/ realised with the Win32 API alone.
//
// Each window builds its controls from its forms/ table (control_table.h), gives every control
// its place, font, tab order and spoken name at the window's own DPI; the control set
// implements app/'s Controls over them for every window alike. A window implements only its
// own view and forwards every event to its behaviour there: a control's event as the command of its
// row, found by the control's identifier, which is its row's place in the table. The line
// editors filter whatever the control takes (line_editor.h), message boxes and the file dialog
// are the system's own (win32_dialogs.h), and editor_app.h runs the program.
#pragma once

#include <windows.h>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "forms/artwork.h"
#include "forms/layout.h"
#include "forms/readable_colours.h"

namespace vbe {

// Makes the process aware of each monitor's DPI where the system can; else of the system's.
void EnablePerMonitorDpi();
// The DPI a window is drawn at.
UINT WindowDpi(HWND window);
inline int TwipsToPixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}
// The outer size of a window whose client area is `width` by `height` twips.
SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD ex_style, UINT dpi);

COLORREF ResolveColour(LayoutColour colour, COLORREF fallback);

// Whether the user has asked for high contrast; tests point this at their own answer.
extern bool (*HighContrastOn)();
// The system's colours as the shared choice of readable pairs wants them.
SystemColours CurrentSystemColours();
inline COLORREF ToColorRef(RgbValue rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Solid brushes by colour, each made on first use and kept until the owner goes.
class SolidBrushes {
 public:
  SolidBrushes() = default;
  ~SolidBrushes();
  SolidBrushes(const SolidBrushes&) = delete;
  SolidBrushes& operator=(const SolidBrushes&) = delete;
  HBRUSH Get(COLORREF colour);

 private:
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
};

// The layout's four fonts at one DPI.
class LayoutFonts {
 public:
  LayoutFonts() = default;
  ~LayoutFonts();
  LayoutFonts(const LayoutFonts&) = delete;
  LayoutFonts& operator=(const LayoutFonts&) = delete;
  void Create(UINT dpi);
  HFONT Get(FontName name) const { return fonts_[static_cast<int>(name)]; }

 private:
  void Release();
  std::array<HFONT, 4> fonts_{};
};

// The window procedure of the form class Form. The form given as the creation parameter gets
// its window in window_ at WM_NCCREATE and every message from then on through Handle; at
// WM_NCDESTROY WindowGone tells it the window is gone, and it hears no more.
template <typename Form>
LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->WindowGone();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return form->Handle(message, wparam, lparam);
}

// Destroys a form's window, if it is still there, without telling the form, which is going.
void DestroyFormWindow(HWND window);

// WM_ACTIVATE as a dialog handles it: the control that had the focus when the window was left
// gets it back when the window is active again. True when the message needs nothing more.
bool KeepFocusAcrossActivation(HWND window, WPARAM wparam, HWND& last_focus);
// Moves a window to the place WM_DPICHANGED suggests, keeping its size; returns the new DPI.
UINT MoveToSuggestedPlace(HWND window, WPARAM wparam, LPARAM lparam);

// Creates a top-level window of this program, hidden, of the class `name` (registered on first
// use with `procedure` and `background`), titled with the Windows-1252 `title`, of `size`
// pixels (CW_USEDEFAULT for the system's choice), with the program's icon. The window's messages
// go to `form` (FormWindowProc).
void CreateFormWindow(const wchar_t* name, WNDPROC procedure, HBRUSH background, const char* title,
                      DWORD style, HWND owner, SIZE size, void* form);

// A picture of the artwork as an icon with its alpha, 32 by 32 at `scale` 1, 64 by 64 at 2;
// null when there is none.
HICON MakeArtworkIcon(std::string_view name, int scale = 1);

// Draws a picture of the artwork with its top-left corner at the device context's origin, scaled
// from 96 dots per inch to `dpi`.
void DrawPicture(HDC dc, const ArtworkPicture& picture, UINT dpi);

// A control's identifier is its row's place in the window's table, from 100 on (clear of the
// Enter and Escape commands).
inline constexpr int FirstControlId = 100;
// The control of row `name` of the window's table; null when there is none.
HWND FindControl(HWND window, std::span<const ControlRow> rows, std::string_view name);
// The row of a control of the window whose table is `rows`; null for any other window.
const ControlRow* RowOf(std::span<const ControlRow> rows, HWND control);
// Whether a control's notification `code` is the event that carries its row's command: a
// button's click, the drive list's change, the folder list's double-click.
bool IsCommandEvent(ControlKind kind, int code);

// A window's controls as its table gives them, and the one way every window's behaviour reads
// and sets them (app/controls.h). Shapes get no window: the window draws them.
class ControlSet : public Controls {
 public:
  // Creates the rows' controls in `parent`: labels first, then the others in tab order, which
  // is their z-order, so Tab and the dialog keys follow it. A control with a spoken name gets
  // an empty-sized label of that name just before it, which screen readers read as its name.
  // Each control gets its place, size and font at `dpi`.
  void Build(HWND parent, std::span<const ControlRow> rows, UINT dpi);
  // Places and sizes every control, and sets its font, at `dpi`; nothing to do at the DPI the
  // controls already have.
  void Place(UINT dpi);

  // Looked up in the set's own list: the window list of the system would cost a call to the
  // window server under Wine, on every event and every colouring of a control.
  HWND Find(std::string_view name) const;
  HWND Handle(const ControlRow& row) const;
  const ControlRow* RowOf(HWND control) const;
  const LayoutFonts& Fonts() const { return fonts_; }
  UINT Dpi() const { return dpi_; }
  // The text colour a control shows: its row's, or the one set since.
  LayoutColour TextColourOf(const ControlRow& row) const { return text_colours_.at(Index(row)); }
  // The items a list was given.
  const std::vector<ListItem>& Items(const ControlRow& row) const { return items_.at(Index(row)); }

  std::u16string Text(const ControlRow& row) const override;
  void SetText(const ControlRow& row, std::u16string_view text) override;
  void ReplaceText(const ControlRow& row, int from, int to, std::u16string_view text) override;
  void SetTextRow(const ControlRow& row, int index, std::u16string_view text) override;
  void SetTextColour(const ControlRow& row, LayoutColour colour) override;
  int Check(const ControlRow& row) const override;
  void SetCheck(const ControlRow& row, int state) override;
  void Enable(const ControlRow& row, bool enabled) override;
  void Focus(const ControlRow& row) override;
  void AddItems(const ControlRow& row, std::span<const std::u16string> items) override;
  void SetItems(const ControlRow& row, std::span<const ListItem> items, int selected) override;
  int Selection(const ControlRow& row) const override;

 private:
  // A control's window rectangle: a drop-down's window also holds its open list.
  static RECT WindowRect(const ControlRow& row, UINT dpi);
  void SetLayoutFont(HWND control, const ControlRow& row, UINT dpi) const;
  std::size_t Index(const ControlRow& row) const;

  HWND parent_ = nullptr;
  std::span<const ControlRow> rows_;
  std::vector<LayoutColour> text_colours_;    // one a row
  std::vector<std::vector<ListItem>> items_;  // one a row
  std::vector<HWND> windows_;                 // each row's control, null for a shape
  LayoutFonts fonts_;
  UINT dpi_ = 96;
};

// The rectangle of a row at `dpi`, in client pixels.
RECT PixelRect(const ControlRow& row, UINT dpi);

}  // namespace vbe

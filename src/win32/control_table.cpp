#include "win32/control_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "win32/spoken_name.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

// A drop-down's window height includes its list: this many rows of the list.
constexpr int kDropDownRows = 12;

// The DPI functions of Windows 10, looked up at run time so that the program still starts on
// a system without them (it is then aware of the system's DPI only).
template <typename Fn>
Fn User32Function(const char* name) {
  static HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

DWORD KindStyle(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::PictureButton:
      return BS_OWNERDRAW | WS_TABSTOP;
    case ControlKind::Button:
      return BS_PUSHBUTTON | WS_TABSTOP;
    case ControlKind::LineEditor:
      return ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (row.locked ? ES_READONLY : 0);
    case ControlKind::MultiLineBox:
      // The preview shows each line of the bind on a row of its own, never wrapped.
      return ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_TABSTOP |
             (row.locked ? ES_READONLY : 0);
    case ControlKind::OptionButton:
      return BS_AUTORADIOBUTTON | WS_TABSTOP;
    case ControlKind::CheckBox:
      return (row.three_state ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | WS_TABSTOP;
    case ControlKind::Label:
      return SS_LEFT | SS_NOPREFIX;
    case ControlKind::ComboBox:
      return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
    case ControlKind::DriveList:
      return CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    case ControlKind::FolderList:
      // Drawn by its window: each folder indented under the one it lies in.
      return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL |
             WS_BORDER | WS_TABSTOP;
    case ControlKind::Shape:
      break;
  }
  return 0;
}

const wchar_t* KindClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::LineEditor:
    case ControlKind::MultiLineBox:
      return L"EDIT";
    case ControlKind::Label:
      return L"STATIC";
    case ControlKind::ComboBox:
    case ControlKind::DriveList:
      return L"COMBOBOX";
    case ControlKind::FolderList:
      return L"LISTBOX";
    default:
      return L"BUTTON";
  }
}

bool IsDropDown(ControlKind kind) {
  return kind == ControlKind::ComboBox || kind == ControlKind::DriveList;
}

}  // namespace

void EnablePerMonitorDpi() {
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  if (auto set_context = User32Function<SetContextFn>("SetProcessDpiAwarenessContext")) {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then the first version.
    if (set_context(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) ||
        set_context(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)))) {
      return;
    }
  }
  SetProcessDPIAware();
}

UINT WindowDpi(HWND window) {
  using GetDpiFn = UINT(WINAPI*)(HWND);
  static const auto get_dpi = User32Function<GetDpiFn>("GetDpiForWindow");
  if (get_dpi && window) {
    if (const UINT dpi = get_dpi(window)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD ex_style, UINT dpi) {
  RECT rect{0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
  using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<AdjustFn>("AdjustWindowRectExForDpi");
  if (!adjust || !adjust(&rect, style, FALSE, ex_style, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

COLORREF ResolveColour(LayoutColour colour, COLORREF fallback) {
  switch (colour.kind) {
    case LayoutColour::Kind::Rgb:
      return RGB((colour.value >> 16) & 0xFF, (colour.value >> 8) & 0xFF, colour.value & 0xFF);
    case LayoutColour::Kind::System:
      return GetSysColor(colour.value);
    case LayoutColour::Kind::Default:
      break;
  }
  return fallback;
}

namespace {

bool SystemHighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

bool (*HighContrastOn)() = SystemHighContrast;

SystemColours CurrentSystemColours() {
  const auto colour = [](int index) {
    const COLORREF c = GetSysColor(index);
    return static_cast<RgbValue>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
  };
  SystemColours system;
  for (std::size_t i = 0; i < system.by_index.size(); ++i) {
    system.by_index[i] = colour(static_cast<int>(i));
  }
  system.base = {colour(COLOR_WINDOW), colour(COLOR_WINDOWTEXT)};
  system.window = {colour(COLOR_BTNFACE), colour(COLOR_BTNTEXT)};
  system.button = system.window;
  system.high_contrast = HighContrastOn();
  return system;
}

SolidBrushes::~SolidBrushes() {
  for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

HBRUSH SolidBrushes::Get(COLORREF colour) {
  for (const auto& [made, brush] : brushes_) {
    if (made == colour) return brush;
  }
  return brushes_.emplace_back(colour, CreateSolidBrush(colour)).second;
}

LayoutFonts::~LayoutFonts() {
  Release();
}

void LayoutFonts::Release() {
  for (HFONT& font : fonts_) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
}

void LayoutFonts::Create(UINT dpi) {
  Release();
  struct LayoutFontRow {
    FontName name;
    const wchar_t* face;
    int hundredths_of_point;
    int weight;
    BYTE pitch;
  };
  const LayoutFontRow rows[] = {
      {FontName::Default, L"MS Sans Serif", 825, FW_NORMAL, VARIABLE_PITCH | FF_SWISS},
      {FontName::SansBold, L"MS Sans Serif", 825, FW_BOLD, VARIABLE_PITCH | FF_SWISS},
      {FontName::Courier, L"Courier", 975, FW_NORMAL, FIXED_PITCH | FF_MODERN},
      {FontName::Fixedsys, L"Fixedsys", 900, FW_NORMAL, FIXED_PITCH | FF_MODERN},
  };
  for (const LayoutFontRow& row : rows) {
    const int height = -MulDiv(row.hundredths_of_point, static_cast<int>(dpi), 7200);
    fonts_[static_cast<int>(row.name)] =
        CreateFontW(height, 0, 0, 0, row.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, row.pitch, row.face);
  }
}

void DestroyFormWindow(HWND window) {
  if (!window || !IsWindow(window)) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

bool KeepFocusAcrossActivation(HWND window, WPARAM wparam, HWND& last_focus) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    if (HWND focus = GetFocus(); focus && IsChild(window, focus)) last_focus = focus;
    return false;
  }
  if (!last_focus || !IsWindow(last_focus)) return false;
  SetFocus(last_focus);
  return true;
}

UINT MoveToSuggestedPlace(HWND window, WPARAM wparam, LPARAM lparam) {
  const auto* suggested = reinterpret_cast<const RECT*>(lparam);
  SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return HIWORD(wparam);
}

void CreateFormWindow(const wchar_t* name, WNDPROC procedure, HBRUSH background, const char* title,
                      DWORD style, HWND owner, SIZE size, void* form) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  if (!GetClassInfoExW(instance, name, &window_class)) {
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
  }
  const HWND window =
      CreateWindowExW(0, name, BindTextToWide(title).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                      size.cx, size.cy, owner, nullptr, instance, form);
  // One icon for every window, as long as the program runs.
  static const HICON icon = MakeArtworkIcon("window");
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HICON MakeArtworkIcon(std::string_view name, int scale) {
  const ArtworkPicture picture = Artwork(name, scale);
  if (!picture) return nullptr;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof(header);
  header.bV5Width = picture.width;
  header.bV5Height = -picture.height;  // top row first, as the artwork stores it
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!colour) return nullptr;
  // Icons hold straight alpha; the artwork is premultiplied.
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const std::uint32_t p = picture.pixels[i];
    const std::uint32_t a = p >> 24;
    if (a == 0 || a == 255) {
      out[i] = a == 0 ? 0 : p;
      continue;
    }
    const auto straight = [a](std::uint32_t c) {
      return std::min<std::uint32_t>(255, c * 255 / a);
    };
    out[i] = a << 24 | straight((p >> 16) & 0xFF) << 16 | straight((p >> 8) & 0xFF) << 8 |
             straight(p & 0xFF);
  }
  HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

void DrawPicture(HDC dc, const ArtworkPicture& picture, UINT dpi) {
  if (!picture) return;
  // A bitmap's header followed by its colour table, as the system reads a paletted one.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = picture.width;
  info.header.biHeight = -picture.height;
  info.header.biPlanes = 1;
  info.header.biBitCount = picture.paletted() ? 8 : 32;
  info.header.biCompression = BI_RGB;
  // An ARGB value in memory is the blue, green, red and reserved bytes of a colour entry.
  std::memcpy(info.colours, picture.colours.data(), picture.colours.size_bytes());
  const void* bits = picture.paletted() ? static_cast<const void*>(picture.colour_numbers.data())
                                        : picture.pixels.data();
  const int width = MulDiv(picture.width, static_cast<int>(dpi), 96);
  const int height = MulDiv(picture.height, static_cast<int>(dpi), 96);
  if (width == picture.width && height == picture.height) {
    // Drawn as it is, a band of rows at a time: the system turns the colour numbers into
    // pixels in a buffer the size of what it draws at once.
    const int row_bytes = picture.paletted() ? picture.stride : picture.width * 4;
    constexpr int kBand = 32;
    for (int top = 0; top < picture.height; top += kBand) {
      const int rows = std::min(kBand, picture.height - top);
      info.header.biHeight = -rows;
      SetDIBitsToDevice(dc, 0, top, static_cast<DWORD>(picture.width), static_cast<DWORD>(rows), 0,
                        0, 0, static_cast<UINT>(rows),
                        static_cast<const BYTE*>(bits) + std::ptrdiff_t(top) * row_bytes,
                        reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
    }
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, width, height, 0, 0, picture.width, picture.height, bits,
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
  }
}

HWND FindControl(HWND window, std::span<const ControlRow> rows, std::string_view name) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (name == rows[i].name) return GetDlgItem(window, FirstControlId + static_cast<int>(i));
  }
  return nullptr;
}

const ControlRow* RowOf(std::span<const ControlRow> rows, HWND control) {
  const int index = GetDlgCtrlID(control) - FirstControlId;
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return nullptr;
  return FindControl(GetParent(control), rows, rows[index].name) == control ? &rows[index]
                                                                            : nullptr;
}

bool IsCommandEvent(ControlKind kind, int code) {
  switch (kind) {
    case ControlKind::DriveList:
      return code == CBN_SELCHANGE;
    case ControlKind::FolderList:
      return code == LBN_DBLCLK;
    case ControlKind::PictureButton:
    case ControlKind::Button:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
      return code == BN_CLICKED;
    default:
      return false;
  }
}

RECT PixelRect(const ControlRow& row, UINT dpi) {
  const int left = TwipsToPixels(row.left, dpi), top = TwipsToPixels(row.top, dpi);
  return {left, top, left + TwipsToPixels(row.width, dpi), top + TwipsToPixels(row.height, dpi)};
}

void ControlSet::Build(HWND parent, std::span<const ControlRow> rows, UINT dpi) {
  parent_ = parent;
  rows_ = rows;
  text_colours_.clear();
  for (const ControlRow& row : rows) text_colours_.push_back(row.text);
  items_.assign(rows.size(), {});
  windows_.assign(rows.size(), nullptr);
  std::vector<const ControlRow*> order;
  for (const ControlRow& row : rows) {
    if (row.kind != ControlKind::Shape) order.push_back(&row);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  dpi_ = dpi;
  fonts_.Create(dpi);
  const ControlRow* previous = nullptr;
  for (const ControlRow* row : order) {
    // A button is named by its own accessible object (below), a box by the label before it.
    if (row->spoken_name && row->kind != ControlKind::Button) {
      const std::wstring name = BindTextToWide(row->spoken_name);
      CreateWindowExW(0, L"STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                      parent, nullptr, instance, nullptr);
    }
    DWORD style = WS_CHILD | KindStyle(*row);
    if (row->visible) style |= WS_VISIBLE;
    if (!row->enabled) style |= WS_DISABLED;
    // Option buttons one after the other form one group; everything else starts its own.
    const bool joins_group = row->kind == ControlKind::OptionButton && previous &&
                             previous->kind == ControlKind::OptionButton;
    // Tab reaches a group of option buttons once, at its selected button.
    if (joins_group) style &= ~WS_TABSTOP;
    if (!joins_group && row->tab >= 0) style |= WS_GROUP;
    const int id = FirstControlId + static_cast<int>(row - rows.data());
    const std::wstring caption = BindTextToWide(row->caption);
    // Made in place with its font: moving every control again would cost a round of window
    // messages for each.
    const RECT rect = WindowRect(*row, dpi);
    HWND control = CreateWindowExW(
        0, KindClass(row->kind), row->kind == ControlKind::ComboBox ? L"" : caption.c_str(), style,
        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
    windows_[static_cast<std::size_t>(row - rows.data())] = control;
    SetLayoutFont(control, *row, dpi);
    // A drop-down box's text is its edit's, which exists once the box does.
    if (row->kind == ControlKind::ComboBox) SetWindowTextW(control, caption.c_str());
    if (row->max_length > 0) SendMessageW(control, EM_LIMITTEXT, row->max_length, 0);
    if (row->checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    if (row->spoken_name && row->kind == ControlKind::Button) {
      GiveSpokenName(control, BindTextToWide(row->spoken_name));
    }
    previous = row;
  }
}

HWND ControlSet::Find(std::string_view name) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (name == rows_[i].name) return windows_[i];
  }
  return nullptr;
}

const ControlRow* ControlSet::RowOf(HWND control) const {
  const int index = GetDlgCtrlID(control) - FirstControlId;
  if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return nullptr;
  return windows_[static_cast<std::size_t>(index)] == control ? &rows_[index] : nullptr;
}

void ControlSet::Place(UINT dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  fonts_.Create(dpi);
  for (const ControlRow& row : rows_) {
    const HWND control = Find(row.name);
    if (!control) continue;  // a shape
    const RECT rect = WindowRect(row, dpi);
    SetLayoutFont(control, row, dpi);
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

RECT ControlSet::WindowRect(const ControlRow& row, UINT dpi) {
  RECT rect = PixelRect(row, dpi);
  if (IsDropDown(row.kind)) rect.bottom = rect.top + (rect.bottom - rect.top) * kDropDownRows;
  return rect;
}

void ControlSet::SetLayoutFont(HWND control, const ControlRow& row, UINT dpi) const {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(row.font)), FALSE);
  if (IsDropDown(row.kind)) {
    // The closed box's own height follows the font; the layout's height is its outer size.
    const RECT rect = PixelRect(row, dpi);
    SendMessageW(control, CB_SETITEMHEIGHT, WPARAM(-1),
                 std::max(1, int(rect.bottom - rect.top) - 6));
  }
}

std::size_t ControlSet::Index(const ControlRow& row) const {
  const auto index = static_cast<std::size_t>(&row - rows_.data());
  if (index >= rows_.size()) std::abort();  // a row of another window: a fault of the program
  return index;
}

HWND ControlSet::Handle(const ControlRow& row) const {
  return windows_.at(Index(row));
}

std::u16string ControlSet::Text(const ControlRow& row) const {
  return WindowText16(Handle(row));
}

// A line editor's text is replaced through its selection, as typing would, so its change
// handling runs once.
void ControlSet::SetText(const ControlRow& row, std::u16string_view text) {
  if (row.kind != ControlKind::LineEditor || row.locked) {
    SetWindowText16(Handle(row), text);
    return;
  }
  const std::wstring wide = Wide(text);
  SendMessageW(Handle(row), EM_SETSEL, 0, -1);
  SendMessageW(Handle(row), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ControlSet::ReplaceText(const ControlRow& row, int from, int to, std::u16string_view text) {
  const std::wstring wide = Wide(text);
  SendMessageW(Handle(row), EM_SETSEL, from, to);
  SendMessageW(Handle(row), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

// The box lays out and paints one row instead of all.
void ControlSet::SetTextRow(const ControlRow& row, int index, std::u16string_view text) {
  const HWND box = Handle(row);
  const LRESULT start = SendMessageW(box, EM_LINEINDEX, index, 0);
  const LRESULT length = SendMessageW(box, EM_LINELENGTH, start, 0);
  const std::wstring wide = Wide(text);
  SendMessageW(box, EM_SETSEL, start, start + length);
  SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

// The window's WM_CTLCOLOR handling reads the colour (TextColourOf).
void ControlSet::SetTextColour(const ControlRow& row, LayoutColour colour) {
  text_colours_.at(Index(row)) = colour;
  InvalidateRect(Handle(row), nullptr, TRUE);
}

int ControlSet::Check(const ControlRow& row) const {
  return static_cast<int>(SendMessageW(Handle(row), BM_GETCHECK, 0, 0));
}

void ControlSet::SetCheck(const ControlRow& row, int state) {
  SendMessageW(Handle(row), BM_SETCHECK, state, 0);
}

void ControlSet::Enable(const ControlRow& row, bool enabled) {
  EnableWindow(Handle(row), enabled);
}

void ControlSet::Focus(const ControlRow& row) {
  SetFocus(Handle(row));
}

void ControlSet::AddItems(const ControlRow& row, std::span<const std::u16string> items) {
  for (const std::u16string& item : items) {
    const std::wstring wide = Wide(item);
    SendMessageW(Handle(row), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

void ControlSet::SetItems(const ControlRow& row, std::span<const ListItem> items, int selected) {
  const HWND list = Handle(row);
  const bool combo = row.kind != ControlKind::FolderList;
  items_.at(Index(row)).assign(items.begin(), items.end());
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const ListItem& item : items) {
    const std::wstring wide = Wide(item.text);
    SendMessageW(list, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(wide.c_str()));
  }
  SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, selected, 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int ControlSet::Selection(const ControlRow& row) const {
  const bool combo = row.kind != ControlKind::FolderList;
  return static_cast<int>(SendMessageW(Handle(row), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

}  // namespace vbe

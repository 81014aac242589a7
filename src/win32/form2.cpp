#include "win32/form2.h"

#include <algorithm>

#include "forms/locator_window.h"
#include "win32/line_editor.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

constexpr wchar_t kClassName[] = L"VbeForm2";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Each open folder of Dir1 stands this many pixels (at 96 DPI) further in than the one above.
constexpr int kIndent = 12;

}  // namespace

Form2::Form2(HWND owner, const DriveTable& drives, UserDialogs& dialogs,
             std::function<void(const std::string&)> set_autoexec_folder)
    : behaviour_(*this, controls_, drives, dialogs, std::move(set_autoexec_folder)) {
  CreateFormWindow(kClassName, FormWindowProc<Form2>, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                   LocatorTitle, kStyle, owner, {100, 100}, this);
  controls_.Build(window_, LocatorWindowControls(), WindowDpi(window_));
  for (const ControlRow& row : LocatorWindowControls()) {
    if (row.kind != ControlKind::FolderList) continue;
    dir1_ = controls_.Find(row.name);
    TakeReturnKey(dir1_, [this, command = row.command.locator] { behaviour_.OnCommand(command); });
  }
  ApplyDpi(WindowDpi(window_));
  behaviour_.Load();

  // Centred over the main window.
  RECT over{}, outer{};
  GetWindowRect(owner ? owner : GetDesktopWindow(), &over);
  GetWindowRect(window_, &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  SetWindowPos(window_, nullptr, (over.left + over.right - width) / 2,
               (over.top + over.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  last_focus_ = controls_.Find(kDriveList);
  SetFocus(last_focus_);
}

Form2::~Form2() {
  DestroyFormWindow(window_);
}

void Form2::ApplyDpi(UINT dpi) {
  const SIZE size = WindowSizeForClient(LocatorClientWidth, LocatorClientHeight, kStyle, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Place(dpi);
  if (dir1_) {
    HDC dc = GetDC(dir1_);
    HGDIOBJ old_font = SelectObject(dc, controls_.Fonts().Get(FontName::Default));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old_font);
    ReleaseDC(dir1_, dc);
    SendMessageW(dir1_, LB_SETITEMHEIGHT, 0, metrics.tmHeight + MulDiv(3, int(dpi), 96));
  }
}

// A folder of Dir1: a small folder picture, open for the open folders, then its name.
void Form2::DrawFolderItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX || item.itemID == UINT(-1)) return;
  const std::vector<ListItem>& rows =
      controls_.Items(RowNamed(LocatorWindowControls(), kFolderList));
  if (item.itemID >= rows.size()) return;
  const ListItem& folder = rows[item.itemID];
  HDC dc = item.hDC;
  const int dpi = static_cast<int>(controls_.Dpi());
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int height = item.rcItem.bottom - item.rcItem.top;
  const int size = std::min(height - 2, MulDiv(14, dpi, 96));
  const int left = item.rcItem.left + MulDiv(2 + kIndent * folder.depth, dpi, 96);
  const int top = item.rcItem.top + (height - size) / 2;
  // The folder: a tab over a body, drawn in the desktop's colours of a folder.
  HBRUSH body = CreateSolidBrush(folder.open ? RGB(255, 223, 128) : RGB(230, 190, 80));
  HPEN outline = CreatePen(PS_SOLID, 1, RGB(150, 110, 20));
  HGDIOBJ old_brush = SelectObject(dc, body);
  HGDIOBJ old_pen = SelectObject(dc, outline);
  Rectangle(dc, left, top + size / 5, left + size / 2, top + size / 5 + size / 4);
  Rectangle(dc, left, top + size / 3, left + size, top + size - size / 8);
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(outline);
  DeleteObject(body);

  const std::wstring name = Wide(folder.text);
  RECT text = item.rcItem;
  text.left = left + size + MulDiv(4, dpi, 96);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  HGDIOBJ old_font = SelectObject(dc, controls_.Fonts().Get(FontName::Default));
  DrawTextW(dc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old_font);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

LRESULT Form2::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (const ControlRow* row = controls_.RowOf(reinterpret_cast<HWND>(lparam));
          row && IsCommandEvent(row->kind, HIWORD(wparam))) {
        behaviour_.OnCommand(row->command.locator);
      }
      return 0;
    case WM_ACTIVATE:
      if (KeepFocusAcrossActivation(window_, wparam, last_focus_)) return 0;
      break;
    case WM_DRAWITEM:
      DrawFolderItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_DPICHANGED:
      ApplyDpi(MoveToSuggestedPlace(window_, wparam, lparam));
      return 0;
    case WM_CLOSE:
      CloseWindow();
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Form2::CloseWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace vbe

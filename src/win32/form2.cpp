#include "win32/form2.h"

#include <algorithm>

#include "forms/locator_window.h"
#include "gamecfg/autoexec.h"
#include "gamecfg/locator.h"
#include "platform/code_page.h"
#include "platform/folders.h"
#include "win32/line_editor.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

constexpr wchar_t kClassName[] = L"VbeForm2";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Each open folder of Dir1 stands this many pixels (at 96 DPI) further in than the one above.
constexpr int kIndent = 12;

}  // namespace

Form2::Form2(Form2Host host)
    : drives_(host.drives),
      dialogs_(host.dialogs),
      set_autoexec_folder_(std::move(host.set_autoexec_folder)) {
  RegisterFormClass(kClassName, FormWindowProc<Form2>, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  const std::wstring title = BindTextToWide(LocatorTitle);
  CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                  host.owner, nullptr, GetModuleHandleW(nullptr), this);
  icon_ = MakeArtworkIcon("window");
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  controls_.Build(window_, LocatorWindowControls(), {}, WindowDpi(window_));
  drive1_ = controls_.Find("Drive1");
  dir1_ = controls_.Find("Dir1");
  TakeReturnKey(dir1_, [this] { OpenSelectedFolder(); });
  ApplyDpi(WindowDpi(window_));

  const std::string start = LocatorStartFolder(ProcessFolder(drives_), drives_);
  for (const DriveTable::Drive& drive : drives_.Drives()) {
    const wchar_t name[] = {static_cast<wchar_t>(drive.letter), L':', L'\0'};
    SendMessageW(drive1_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  if (!start.empty()) {
    const std::wstring drive = BindTextToWide(start.substr(0, 2));
    SendMessageW(drive1_, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(drive.c_str()));
  }
  // A start folder that cannot be entered is still shown, without subfolders.
  if (!OpenFolder(start)) ShowFolder(start, {});

  // Centred over the main window.
  RECT owner{}, outer{};
  GetWindowRect(host.owner ? host.owner : GetDesktopWindow(), &owner);
  GetWindowRect(window_, &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  SetWindowPos(window_, nullptr, (owner.left + owner.right - width) / 2,
               (owner.top + owner.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  last_focus_ = drive1_;
}

Form2::~Form2() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (icon_) DestroyIcon(icon_);
}

void Form2::ShowInFront() {
  if (!window_) return;
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  BringWindowToTop(window_);
  if (last_focus_) SetFocus(last_focus_);
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
  if (item.itemID >= items_.size()) return;
  const FolderItem& folder = items_[item.itemID];
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

  wchar_t name[MAX_PATH] = {};
  SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
  RECT text = item.rcItem;
  text.left = left + size + MulDiv(4, dpi, 96);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  HGDIOBJ old_font = SelectObject(dc, controls_.Fonts().Get(FontName::Default));
  DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old_font);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

LRESULT Form2::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const HWND control = reinterpret_cast<HWND>(lparam);
      const int code = HIWORD(wparam);
      if (control == drive1_ && code == CBN_SELCHANGE) ChangeLocatorDrive(*this, drives_, dialogs_);
      if (control == dir1_ && code == LBN_DBLCLK) OpenSelectedFolder();
      if (control == controls_.Find("Command1") && code == BN_CLICKED) {
        LocateAutoexecFolder(*this, drives_, dialogs_);
      }
      if (control == controls_.Find("Command2") && code == BN_CLICKED) CloseLocator();
      return 0;
    }
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
      CloseLocator();
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

std::string Form2::ShownDrive() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(drive1_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(drive1_, text.data(), int(text.size()))));
  return WideToBindTextLossy(text);
}

bool Form2::OpenFolder(const std::string& folder) {
  const auto subfolders = ListSubfolders(drives_, folder);
  if (!subfolders) return false;
  ShowFolder(folder, *subfolders);
  return true;
}

// The open folders from the drive's root down, each further in than the one before, then the
// subfolders of the last; the last open folder is selected.
void Form2::ShowFolder(const std::string& folder, const std::vector<std::string>& subfolders) {
  current_folder_ = folder;
  SendMessageW(dir1_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(dir1_, LB_RESETCONTENT, 0, 0);
  items_.clear();
  auto add = [this](const std::string& path, const std::string& name, std::size_t depth,
                    bool open) {
    const std::wstring text = BindTextToWide(name);
    SendMessageW(dir1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    items_.push_back({path, static_cast<int>(depth), open});
  };
  const std::vector<std::string> steps = FolderSteps(folder);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    add(steps[i], i == 0 ? steps[i] : std::string(FileNamePart(steps[i])), i, true);
  }
  if (!steps.empty()) {
    for (const std::string& name : subfolders) {
      add(SubfolderPath(folder, name), name, steps.size(), false);
    }
    SendMessageW(dir1_, LB_SETCURSEL, steps.size() - 1, 0);
  }
  SendMessageW(dir1_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(dir1_, nullptr, TRUE);
}

void Form2::OpenSelectedFolder() {
  const LRESULT index = SendMessageW(dir1_, LB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
  const std::string folder = items_[static_cast<std::size_t>(index)].folder;
  if (OpenFolder(folder)) return;
  std::string text = "Can't open the folder ";
  text += Cp1252ToUtf8(folder);
  dialogs_.ShowMessage(text, "Folder Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

void Form2::SetAutoexecFolder(const std::string& folder) {
  if (set_autoexec_folder_) set_autoexec_folder_(folder);
}

void Form2::CloseLocator() {
  if (window_) DestroyWindow(window_);
}

}  // namespace vbe

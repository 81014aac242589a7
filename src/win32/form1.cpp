#include "win32/form1.h"

#include <algorithm>
#include <string>
#include <vector>

#include "forms/main_window.h"
#include "forms/window_fit.h"
#include "sound/command_interpreter.h"
#include "win32/form2.h"
#include "win32/form3.h"
#include "win32/line_editor.h"
#include "win32/shell_library.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

constexpr wchar_t kClassName[] = L"VbeForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kExitCueTimer = 1;

RECT WorkArea(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

}  // namespace

Form1::Form1(Form1Host host)
    : drives_(std::move(host.drives)),
      own_audio_([] { return MakeHostAudioCommands(); }),
      end_program_(std::move(host.end_program)),
      beep_(std::move(host.beep)),
      behaviour_(*this, controls_, drives_, host.dialogs ? *host.dialogs : common_dialog_,
                 host.audio ? *host.audio : own_audio_) {
  if (!end_program_) end_program_ = [] { PostQuitMessage(0); };
  if (!beep_) beep_ = [] { MessageBeep(MB_OK); };
  system_colours_ = CurrentSystemColours();
  CreateFormWindow(kClassName, FormWindowProc<Form1>, nullptr, ProgramTitle, kStyle, nullptr,
                   {100, 100}, this);
  // Files dropped on the window arrive as WM_DROPFILES; the style is all DragAcceptFiles sets,
  // and it needs no shell library at start.
  SetWindowLongPtrW(window_, GWL_EXSTYLE,
                    GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  common_dialog_.SetOwner(window_);

  BuildControls();
  behaviour_.Load();
  FitInto(WorkArea(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY)), WindowDpi(window_));
}

// The secondary windows use this window's drive table and dialogs, so they go first.
Form1::~Form1() {
  locator_.reset();
  readme_.reset();
  DestroyFormWindow(window_);
  MakeButtonIcons(0);
}

// The focus starts on the first control of the tab order.
void Form1::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  last_focus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
  SetFocus(last_focus_);
}

void Form1::BuildControls() {
  controls_.Build(window_, MainWindowControls(), WindowDpi(window_));
  for (const ControlRow& row : MainWindowControls()) {
    const HWND control = controls_.Find(row.name);
    if (row.line > 0) {
      MakeLineEditor(control, [this, line = row.line](WPARAM key) {
        if (key == VK_DOWN || key == VK_UP) {
          behaviour_.OnLineArrow(line, key == VK_DOWN ? LineArrow::Down : LineArrow::Up);
        }
      });
      RoutePastedRows(control, [this, control, line = row.line](std::u16string_view text) {
        DWORD start = 0, end = 0;
        SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        behaviour_.OnPasteRows(line, static_cast<int>(start), static_cast<int>(end), text);
      });
      WarnOfRefusals(control, [this] { behaviour_.OnInputRefused(); });
    }
  }
  LetTabLeave(controls_.Find(kPreviewBox));
  GiveCopyBind(controls_.Find(kPreviewBox), [this] { return behaviour_.BindAsText(u"\r\n"); });
  combo_edit_ = FindWindowExW(controls_.Find(kKeyChooser), nullptr, L"EDIT", nullptr);
  if (combo_edit_) {
    MakeLineEditor(combo_edit_);
    WarnOfRefusals(combo_edit_, [this] { behaviour_.OnInputRefused(); });
  }
  // The colour captions on the dark ground are drawn without the desktop theme, which would
  // ignore their colours.
  if (HMODULE uxtheme = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    using SetThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    if (auto set_theme = reinterpret_cast<SetThemeFn>(
            reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")))) {
      for (const char* choice : {kWhiteOption, kYellowOption, kAutoPreviewCheck, kAutoexecCheck}) {
        set_theme(controls_.Find(choice), L"", L"");
      }
    }
  }
}

// The frame keeps the size the system gives it at the monitor's DPI; the client area takes the
// layout at the scale that fits.
void Form1::FitInto(const RECT& work, UINT dpi, const POINT* at) {
  RECT outer, client;
  GetWindowRect(window_, &outer);
  GetClientRect(window_, &client);
  const FitRequest request{
      .client_width = MainClientWidth,
      .client_height = MainClientHeight,
      .wanted_dpi = static_cast<int>(dpi),
      .frame_width = int(outer.right - outer.left - client.right),
      .frame_height = int(outer.bottom - outer.top - client.bottom),
      .work_area = {work.left, work.top, work.right - work.left, work.bottom - work.top},
      .placed = at != nullptr,
      .left = at ? at->x : 0,
      .top = at ? at->y : 0};
  const WindowFit fit = FitWindow(request);
  const UINT layout_dpi = static_cast<UINT>(fit.dpi);
  SetWindowPos(window_, nullptr, fit.left, fit.top,
               TwipsToPixels(MainClientWidth, layout_dpi) + request.frame_width,
               TwipsToPixels(MainClientHeight, layout_dpi) + request.frame_height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Place(layout_dpi);
  MakeButtonIcons(ArtworkScale(fit.dpi));
  InvalidateRect(window_, nullptr, TRUE);
}

// The picture buttons' icons from the artwork of `scale`; 0 only releases them.
void Form1::MakeButtonIcons(int scale) {
  if (scale == icon_scale_) return;
  icon_scale_ = scale;
  for (const auto& [button, icon] : button_icons_) {
    if (icon) DestroyIcon(icon);
  }
  button_icons_.clear();
  if (scale == 0) return;
  for (const ControlRow& row : MainWindowControls()) {
    if (row.picture) {
      button_icons_.emplace_back(controls_.Find(row.name), MakeArtworkIcon(row.picture, scale));
    }
  }
}

LRESULT Form1::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam) OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam),
                             DefWindowProcW(window_, message, wparam, lparam));
    case WM_DRAWITEM:
      DrawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ACTIVATE:
      if (KeepFocusAcrossActivation(window_, wparam, last_focus_)) return 0;
      break;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      const POINT at{suggested.left, suggested.top};
      FitInto(WorkArea(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST)), HIWORD(wparam), &at);
      return 0;
    }
    // A new scheme, or high contrast turned on or off, shows at once.
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      system_colours_ = CurrentSystemColours();
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_CLOSE:
      behaviour_.OnClose();
      return 0;
    case WM_TIMER:
      if (wparam != kExitCueTimer) break;
      KillTimer(window_, kExitCueTimer);
      behaviour_.OnExitWaitOver();
      return 0;
    // The session may end: the program agrees, and an exit cue still playing ends at once.
    case WM_QUERYENDSESSION:
      behaviour_.OnSessionEnd();
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) behaviour_.OnSessionEnd();
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Form1::OnCommand(HWND control, int code) {
  const ControlRow* row = controls_.RowOf(control);
  if (!row) return;
  if (row->line > 0 && code == EN_CHANGE) {
    if (TakeLineChange(control)) behaviour_.OnLineChanged(row->line);
  } else if (row->kind == ControlKind::ComboBox && code == CBN_EDITCHANGE) {
    TakeLineChange(combo_edit_);
  } else if (IsCommandEvent(row->kind, code)) {
    behaviour_.OnCommand(row->command.main);
  }
}

void Form1::OnDropFiles(HDROP drop) {
  using QueryFn = UINT(WINAPI*)(HDROP, UINT, wchar_t*, UINT);
  using FinishFn = void(WINAPI*)(HDROP);
  const auto query = ShellFunction<QueryFn>("DragQueryFileW");
  const auto finish = ShellFunction<FinishFn>("DragFinish");
  if (!query || !finish) return;
  std::vector<std::filesystem::path> files;
  const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(query(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(query(drop, i, name.data(), static_cast<UINT>(name.size())));
    files.emplace_back(name);
  }
  finish(drop);
  behaviour_.OnFilesDropped(files);
}

// Each control's pair is chosen to stay readable on the system's scheme; in high contrast every
// control follows the scheme. Controls without colours of their own keep the system's answer,
// except labels, which stand on the picture's ground.
LRESULT Form1::OnControlColour(HDC dc, HWND control, LRESULT standard) {
  const ControlRow* row = controls_.RowOf(control);
  if (!row) return standard;
  const LayoutColour text = controls_.TextColourOf(*row);
  const SystemColours& system = system_colours_;
  if (!system.high_contrast && row->kind != ControlKind::Label &&
      row->background == DefaultColour && text == DefaultColour)
    return standard;
  const ColourPair pair = ReadableColours(*row, text, system, PictureGround);
  SetTextColor(dc, ToColorRef(pair.text));
  SetBkColor(dc, ToColorRef(pair.background));
  return reinterpret_cast<LRESULT>(brushes_.Get(ToColorRef(pair.background)));
}

void Form1::DrawPictureButton(const DRAWITEMSTRUCT& item) {
  HICON icon = nullptr;
  for (const auto& [button, button_icon] : button_icons_) {
    if (button == item.hwndItem) icon = button_icon;
  }
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const UINT dpi = controls_.Dpi();
  const int icon_size = MulDiv(32, static_cast<int>(dpi), 96);
  const int shift = pressed ? 1 : 0;
  const int gap = MulDiv(4, static_cast<int>(dpi), 96);
  if (icon) {
    DrawIconEx(dc, (rect.left + rect.right - icon_size) / 2 + shift, rect.top + gap + shift, icon,
               icon_size, icon_size, 0, nullptr, DI_NORMAL);
  }
  wchar_t caption[64] = {};
  GetWindowTextW(item.hwndItem, caption, 64);
  RECT text_rect{rect.left, rect.top + gap + icon_size + shift, rect.right + shift * 2,
                 rect.bottom - gap + shift};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(item.hwndItem) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  HGDIOBJ old_font = SelectObject(dc, controls_.Fonts().Get(FontName::Default));
  DrawTextW(dc, caption, -1, &text_rect,
            DT_CENTER | DT_SINGLELINE | DT_VCENTER |
                ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0));
  SelectObject(dc, old_font);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = rect;
    InflateRect(&focus, -gap, -gap);
    DrawFocusRect(dc, &focus);
  }
}

// The background picture is the dark field with the artwork in its top-left corner; only the
// corner is stored. The rectangles of the layout are drawn over it. In high contrast the window
// stands on the scheme's ground, without the picture.
void Form1::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  const SystemColours& system = system_colours_;
  FillRect(dc, &client, brushes_.Get(ToColorRef(WindowGround(PictureGround, system))));
  const UINT dpi = controls_.Dpi();
  if (!system.high_contrast) {
    // From 150 % on, the 2x picture at half the DPI: the same size, twice the pixels.
    const int scale = ArtworkScale(static_cast<int>(dpi));
    DrawPicture(dc, Artwork("background", scale), dpi / static_cast<UINT>(scale));
  }
  for (const ControlRow& row : MainWindowControls()) {
    if (row.kind != ControlKind::Shape) continue;
    const RECT rect = PixelRect(row, dpi);
    HPEN pen = CreatePen(PS_SOLID, std::max(1, MulDiv(1, static_cast<int>(dpi), 96)),
                         ResolveColour(row.text, 0));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
  }
  EndPaint(window_, &paint);
}

HWND Form1::SecondaryHandle(SecondaryWindow window) const {
  if (window == SecondaryWindow::Locator) return locator_ ? locator_->Window() : nullptr;
  return readme_ ? readme_->Window() : nullptr;
}

HWND Form1::LocatorWindowHandle() const {
  return SecondaryHandle(SecondaryWindow::Locator);
}

HWND Form1::ReadMeWindowHandle() const {
  return SecondaryHandle(SecondaryWindow::ReadMe);
}

bool Form1::IsOpen(SecondaryWindow window) const {
  return SecondaryHandle(window) != nullptr;
}

bool Form1::IsMinimised(SecondaryWindow window) const {
  return IsIconic(SecondaryHandle(window));
}

void Form1::Open(SecondaryWindow window) {
  if (window == SecondaryWindow::ReadMe) {
    readme_ = std::make_unique<Form3>();
    return;
  }
  locator_ = std::make_unique<Form2>(
      window_, drives_, behaviour_.Dialogs(),
      [this](const std::string& folder) { behaviour_.SetAutoexecFolder(folder); });
}

void Form1::Restore(SecondaryWindow window) {
  ShowWindow(SecondaryHandle(window), SW_RESTORE);
}

void Form1::Raise(SecondaryWindow window) {
  const HWND handle = SecondaryHandle(window);
  SetForegroundWindow(handle);
  BringWindowToTop(handle);
}

void Form1::HideMainWindow() {
  ShowWindow(window_, SW_HIDE);
}

void Form1::WaitForExitCue(std::chrono::milliseconds wait) {
  SetTimer(window_, kExitCueTimer, static_cast<UINT>(wait.count()), nullptr);
}

void Form1::Close(SecondaryWindow window) {
  if (window == SecondaryWindow::Locator) {
    locator_.reset();
  } else {
    readme_.reset();
  }
}

}  // namespace vbe

#include "win32/form1.h"

#include <string>

#include "app/main_window.h"
#include "commands/spacing_fixer_run.h"
#include "core/preview.h"
#include "forms/main_window.h"
#include "gamecfg/key_catalogue.h"
#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "win32/form2.h"
#include "win32/form3.h"
#include "win32/line_editor.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

constexpr wchar_t kClassName[] = L"VbeForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// What a screen reader calls the controls that have no caption of their own.
constexpr ControlSet::AccessibleName kAccessibleNames[] = {
    {"Text1", L"Line 1"},
    {"Text2", L"Line 2"},
    {"Text3", L"Line 3"},
    {"Text4", L"Line 4"},
    {"Text5", L"Line 5"},
    {"Text6", L"Line 6"},
    {"Text7", L"Line 7"},
    {"Text8", L"Line 8"},
    {"Text14", L"Preview"},
    {"Text15", L"Location of autoexec.cfg file"},
    {"Combo1", L"Bind it to this key -"},
};

bool IsTextBox(const ControlRow& row) {
  return row.kind == ControlKind::LineEditor || row.kind == ControlKind::MultiLineBox;
}

}  // namespace

Form1::Form1(Form1Host host)
    : drives_(std::move(host.drives)),
      own_audio_([] { return MakeHostAudioCommands(); }),
      editor_{*this, host.dialogs ? *host.dialogs : common_dialog_, drives_,
              host.audio ? *host.audio : own_audio_},
      end_program_(std::move(host.end_program)),
      preview_colour_(ResolveColour(PreviewWhite, RGB(255, 255, 255))) {
  if (!end_program_) end_program_ = [] { PostQuitMessage(0); };
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterFormClass(kClassName, FormWindowProc<Form1>, nullptr);
  ground_brush_ = CreateSolidBrush(ResolveColour(PictureGround, RGB(8, 8, 24)));
  const std::wstring title = BindTextToWide(ProgramTitle);
  CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                  nullptr, nullptr, instance, this);
  common_dialog_.SetOwner(window_);
  window_icon_ = MakeArtworkIcon("window");
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window_icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window_icon_));

  BuildControls();
  LoadMainWindow();
  ApplyDpi(WindowDpi(window_));

  // Centred on the screen's work area.
  RECT outer;
  GetWindowRect(window_, &outer);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  last_focus_ = Control("Command1");
}

// The secondary windows use this window's drive table and dialogs, so they go first.
Form1::~Form1() {
  locator_.reset();
  readme_.reset();
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  for (HICON icon : button_icons_) {
    if (icon) DestroyIcon(icon);
  }
  if (window_icon_) DestroyIcon(window_icon_);
  DeleteObject(ground_brush_);
}

void Form1::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  SetFocus(Control("Command1"));
}

HWND Form1::Control(const char* name) const {
  return controls_.Find(name);
}

void Form1::BuildControls() {
  controls_.Build(window_, MainWindowControls(), kAccessibleNames, WindowDpi(window_));
  for (int k = 0; k < LineCount; ++k) {
    const std::string name = "Text" + std::to_string(k + 1);
    line_editors_[k] = controls_.Find(name);
    MakeLineEditor(line_editors_[k], [this, k](WPARAM key) {
      if (key != VK_DOWN && key != VK_UP) return;
      const auto target = LineAfterArrow(k + 1, key == VK_DOWN ? LineArrow::Down : LineArrow::Up);
      if (target) SetFocus(line_editors_[*target - 1]);
    });
  }
  option1_ = Control("Option1");
  option2_ = Control("Option2");
  check1_ = Control("Check1");
  check2_ = Control("Check2");
  SendMessageW(check2_, BM_SETSTYLE, BS_AUTOCHECKBOX, FALSE);
  text14_ = Control("Text14");
  LetTabLeave(text14_);
  text15_ = Control("Text15");
  command5_ = Control("Command5");
  combo1_ = Control("Combo1");
  if (HWND combo_edit = FindWindowExW(combo1_, nullptr, L"EDIT", nullptr)) {
    MakeLineEditor(combo_edit);
  }
  const char* pictures[] = {"new", "open", "save"};
  for (std::size_t i = 0; i < button_icons_.size(); ++i) {
    button_icons_[i] = MakeArtworkIcon(pictures[i]);
  }
  // The colour captions on the dark ground are drawn without the desktop theme, which would
  // ignore their colours.
  if (HMODULE uxtheme = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    using SetThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    if (auto set_theme = reinterpret_cast<SetThemeFn>(
            reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")))) {
      for (const char* name : {"Option1", "Option2", "Check1", "Check2"}) {
        set_theme(Control(name), L"", L"");
      }
    }
  }
}

void Form1::LoadMainWindow() {
  common_dialog_.SetFilter(ConfigFileFilter);
  common_dialog_.SetFlags(OverwritePromptFlag);
  for (const std::string_view name : KeyCatalogue) {
    const std::wstring item = BindTextToWide(name);
    SendMessageW(combo1_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  const std::wstring prompt = BindTextToWide(KeyPrompt);
  SetWindowTextW(combo1_, prompt.c_str());
}

void Form1::ApplyDpi(UINT dpi) {
  const SIZE size = WindowSizeForClient(MainClientWidth, MainClientHeight, kStyle, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Place(dpi);
  InvalidateRect(window_, nullptr, TRUE);
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
    case WM_DPICHANGED:
      ApplyDpi(MoveToSuggestedPlace(window_, wparam, lparam));
      return 0;
    case WM_CLOSE:
      ExitProgram();
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Form1::OnCommand(HWND control, int code) {
  if (code == EN_CHANGE) {
    for (int k = 0; k < LineCount; ++k) {
      if (line_editors_[k] == control) FollowLineChange(k + 1);
    }
    return;
  }
  if (code != BN_CLICKED) return;
  const ControlRow* row = controls_.RowOf(control);
  if (!row) return;
  const std::string_view n = row->name;
  if (n == "Command1") NewBind(editor_);
  if (n == "Command2") StopCue(editor_.audio);
  if (n == "Command3") OpenBind(editor_);
  if (n == "Command4") SaveBind(editor_);
  if (n == "Command5") ComposePreview();
  if (n == "Command6") ExitProgram();
  if (n == "Command7") ShowLocator();
  if (n == "Command8") ShowReadMe();
  if (n == "Command9") RunSpacingFixer(*this, editor_.dialogs);
  // With Auto Preview on, the manual Update Preview has nothing to do.
  if (n == "Check1") EnableWindow(command5_, !PreviewFollowsEdits(Check1Value()));
  // An option recolours the preview as it stands; the text is recomposed only by
  // ComposePreview.
  if (n == "Option1") SetPreviewColour(ResolveColour(PreviewWhite, 0));
  if (n == "Option2") SetPreviewColour(ResolveColour(PreviewYellow, 0));
}

LRESULT Form1::OnControlColour(HDC dc, HWND control, LRESULT standard) {
  const ControlRow* row = controls_.RowOf(control);
  if (!row) return standard;
  if (control == text14_) {
    SetTextColor(dc, preview_colour_);
    SetBkColor(dc, ResolveColour(row->background, GetSysColor(COLOR_WINDOW)));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(row->background.value));
  }
  if (IsTextBox(*row)) {
    if (row->text.kind != LayoutColour::Kind::Default) {
      SetTextColor(dc, ResolveColour(row->text, 0));
    }
    if (row->background.kind == LayoutColour::Kind::System) {
      SetBkColor(dc, ResolveColour(row->background, 0));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(row->background.value));
    }
    return standard;
  }
  // Labels, check boxes and option buttons stand on the picture's dark ground.
  if (row->text.kind == LayoutColour::Kind::Default && row->kind != ControlKind::Label) {
    return standard;
  }
  SetTextColor(dc, ResolveColour(row->text, GetSysColor(COLOR_WINDOWTEXT)));
  SetBkColor(dc, ResolveColour(PictureGround, 0));
  return reinterpret_cast<LRESULT>(ground_brush_);
}

void Form1::DrawPictureButton(const DRAWITEMSTRUCT& item) {
  const ControlRow* row = controls_.RowOf(item.hwndItem);
  const std::string_view name = row ? row->name : "";
  HICON icon = nullptr;
  if (name == "Command1") icon = button_icons_[0];
  if (name == "Command3") icon = button_icons_[1];
  if (name == "Command4") icon = button_icons_[2];
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
// corner is stored. The rectangles of the layout are drawn over it.
void Form1::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, ground_brush_);
  const UINT dpi = controls_.Dpi();
  if (const ArtworkPicture picture = Artwork("background")) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, MulDiv(picture.width, static_cast<int>(dpi), 96),
                  MulDiv(picture.height, static_cast<int>(dpi), 96), 0, 0, picture.width,
                  picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
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

std::string Form1::Line(int number) const {
  HWND editor = line_editors_.at(number - 1);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(editor)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(editor, text.data(), int(text.size()))));
  return WideToBindTextLossy(text);
}

// Through the editor's selection, as typing would, so its change handling runs once.
void Form1::SetLine(int number, const std::string& text) {
  HWND editor = line_editors_.at(number - 1);
  const std::wstring wide = BindTextToWide(text);
  SendMessageW(editor, EM_SETSEL, 0, -1);
  SendMessageW(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Form1::ReplaceFirstCharacter(int number, char character) {
  HWND editor = line_editors_.at(number - 1);
  const std::wstring wide = BindTextToWide(std::string_view(&character, 1));
  SendMessageW(editor, EM_SETSEL, 0, 1);
  SendMessageW(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

TextColour Form1::Colour() const {
  return SendMessageW(option1_, BM_GETCHECK, 0, 0) == BST_CHECKED ? TextColour::White
                                                                  : TextColour::Yellow;
}

// Selecting an option recolours the preview, as a click on it does.
void Form1::SetColour(TextColour colour) {
  const bool white = colour == TextColour::White;
  SendMessageW(option1_, BM_SETCHECK, white ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(option2_, BM_SETCHECK, white ? BST_UNCHECKED : BST_CHECKED, 0);
  SetPreviewColour(ResolveColour(white ? PreviewWhite : PreviewYellow, 0));
}

namespace {
std::string WindowBytes(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), int(text.size()))));
  return WideToBindTextLossy(text);
}
}  // namespace

std::string Form1::Key() const {
  return WindowBytes(combo1_);
}

bool Form1::AddToAutoexec() const {
  return SendMessageW(check2_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Form1::AutoexecFolder() const {
  return WindowBytes(text15_);
}

void Form1::SetAutoexecFolder(const std::string& folder) {
  const std::wstring wide = BindTextToWide(folder);
  SetWindowTextW(text15_, wide.c_str());
}

int Form1::Check1Value() const {
  switch (SendMessageW(check1_, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
      return 1;
    case BST_INDETERMINATE:
      return 2;
    default:
      return 0;
  }
}

void Form1::SetPreviewColour(COLORREF colour) {
  preview_colour_ = colour;
  InvalidateRect(text14_, nullptr, TRUE);
}

void Form1::ComposePreview() {
  SetPreviewColour(ResolveColour(Colour() == TextColour::White ? PreviewWhite : PreviewYellow, 0));
  const std::wstring text = BindTextToWide(BuildPreviewText(Lines()));
  SetWindowTextW(text14_, text.c_str());
  preview_current_ = true;
}

// While the preview shows the full composition, a changed line replaces only its own row: the
// box lays out and paints one row instead of eight. Auto Preview off leaves the preview stale
// until it is recomposed.
void Form1::FollowLineChange(int number) {
  if (!PreviewFollowsEdits(Check1Value())) {
    preview_current_ = false;
    return;
  }
  const LRESULT start = SendMessageW(text14_, EM_LINEINDEX, number - 1, 0);
  if (!preview_current_ || start < 0 ||
      SendMessageW(text14_, EM_GETLINECOUNT, 0, 0) != LineCount) {
    ComposePreview();
    return;
  }
  const LRESULT length = SendMessageW(text14_, EM_LINELENGTH, start, 0);
  const std::wstring text = BindTextToWide(Line(number));
  SendMessageW(text14_, EM_SETSEL, start, start + length);
  SendMessageW(text14_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND Form1::LocatorWindowHandle() const {
  return locator_ && locator_->IsOpen() ? locator_->Window() : nullptr;
}

HWND Form1::ReadMeWindowHandle() const {
  return readme_ && readme_->IsOpen() ? readme_->Window() : nullptr;
}

void Form1::ShowLocator() {
  if (!LocatorWindowHandle()) {
    locator_.reset();
    auto set_folder = [this](const std::string& folder) { SetAutoexecFolder(folder); };
    locator_ = std::make_unique<Form2>(Form2Host{drives_, editor_.dialogs, set_folder, window_});
  }
  locator_->ShowInFront();
}

void Form1::ShowReadMe() {
  if (!ReadMeWindowHandle()) {
    readme_.reset();
    readme_ = std::make_unique<Form3>();
  }
  readme_->ShowInFront();
}

void Form1::ExitProgram() {
  if (exiting_) return;
  exiting_ = true;
  PlayCue(editor_.audio, ExitCue);
  locator_.reset();
  readme_.reset();
  end_program_();
}

}  // namespace vbe

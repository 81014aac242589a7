#include <functional>
#include <string_view>

#include "win32/win32_dialogs.h"
#include "win32/win32_fixture.h"

namespace vbe::testing {
namespace {

// A visible dialog of this process with that title (any title when none is given), other than
// `except`.
HWND FindOwnDialog(const wchar_t* title, HWND except = nullptr) {
  struct Search {
    const wchar_t* title;
    HWND except;
    HWND found;
  } search{title, except, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        if (process != GetCurrentProcessId() || window == s.except ||
            std::wstring_view(class_name) != L"#32770" || !IsWindowVisible(window) ||
            (s.title && WindowText(window) != s.title)) {
          return TRUE;
        }
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Plays the user of the system's modal dialogs from a timer of this thread, inside their own
// message loops: `act` runs every 20 ms until it answers true. No second thread: one that calls
// into the window manager while this one loads the common dialog library can deadlock Wine's
// loader (seen as a test hanging until its time ran out).
class User {
 public:
  explicit User(std::function<bool()> act) {
    Act() = std::move(act);
    timer_ = SetTimer(nullptr, 0, 20, Tick);
  }
  ~User() {
    KillTimer(nullptr, timer_);
    Act() = nullptr;
  }
  User(const User&) = delete;
  User& operator=(const User&) = delete;

 private:
  static std::function<bool()>& Act() {
    static std::function<bool()> act;
    return act;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Act() && Act()()) Act() = nullptr;
  }
  UINT_PTR timer_;
};

// The icon a message box shows, of those the system offers: none, or 16, 32, 48 or 64.
int IconStyle(HWND box) {
  HWND icon = GetDlgItem(box, 0x440);  // Wine's icon control; Windows' own is 20
  if (!icon) icon = GetDlgItem(box, 20);
  const auto shown = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
  if (!shown || !IsWindowVisible(icon)) return 0;
  const std::pair<int, LPCWSTR> icons[] = {
      {16, IDI_HAND}, {32, IDI_QUESTION}, {48, IDI_EXCLAMATION}, {64, IDI_ASTERISK}};
  for (const auto& [style, id] : icons) {
    if (shown == LoadIconW(nullptr, id)) return style;
  }
  return -1;
}

// Every style the editor shows: the icon, the buttons, the text's rows and the title, and the
// answer of the button pressed (No where there is one, else the first).
TEST(SystemMessageBox, ShowsTheIconAndButtonsOfEachStyleAndAnswersTheButtonPressed) {
  const struct {
    int style;
    std::wstring buttons;  // of Yes, No, Cancel, OK in that order
    int press;
    Answer answer;
  } cases[] = {
      {16, L"OK", IDOK, Answer::Ok},
      {19, L"Yes No Cancel", IDNO, Answer::No},
      {48, L"OK", IDOK, Answer::Ok},
      {64, L"OK", IDOK, Answer::Ok},
      {65, L"Cancel OK", IDCANCEL, Answer::Cancel},
      {67, L"Yes No Cancel", IDNO, Answer::No},
  };
  for (const auto& c : cases) {
    std::wstring text, buttons;
    int icon = -2;
    const User user([&] {
      HWND box = FindOwnDialog(L"Caf\u00E9 title");
      if (!box) return false;
      text = WindowText(GetDlgItem(box, 0xFFFF));
      icon = IconStyle(box);
      const std::pair<int, const wchar_t*> names[] = {
          {IDYES, L"Yes"}, {IDNO, L"No"}, {IDCANCEL, L"Cancel"}, {IDOK, L"OK"}};
      for (const auto& [id, name] : names) {
        if (GetDlgItem(box, id)) buttons += (buttons.empty() ? L"" : L" ") + std::wstring(name);
      }
      PostMessageW(box, WM_COMMAND, c.press, 0);
      return true;
    });
    Win32UserDialogs dialogs;
    EXPECT_EQ(dialogs.ShowMessage("Row one\r\nRow \xC3\xA9", "Caf\xC3\xA9 title", c.style),
              c.answer)
        << c.style;
    EXPECT_EQ(icon, c.style & 0x70) << c.style;
    EXPECT_EQ(buttons, c.buttons) << c.style;
    EXPECT_EQ(text, L"Row one\r\nRow \u00E9") << c.style;
  }
}

TEST(SystemFileDialog, OffersTheFiltersStartsFromTheFileNameAndAsksBeforeReplacing) {
  TempFolder folder;
  const auto existing = folder / "b\xC3\xA9.cfg";
  WriteBytes(existing, "old");
  std::wstring filters[2], file_name;
  LRESULT selected_filter = -1;
  bool asked = false;
  HWND dialog = nullptr;
  ULONGLONG give_up = 0;
  const User user([&] {
    if (!dialog) {
      dialog = FindOwnDialog(nullptr);
      if (!dialog) return false;
      HWND types = GetDlgItem(dialog, 0x470);  // the file type list
      for (int i = 0; i < 2; ++i) {
        wchar_t item[64] = {};
        SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        filters[i] = item;
      }
      selected_filter = SendMessageW(types, CB_GETCURSEL, 0, 0);
      HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
      file_name = WindowText(name ? name : GetDlgItem(dialog, 0x480));
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      give_up = GetTickCount64() + 20000;
      return false;
    }
    // The overwrite question, answered Yes; without one the dialog is left with Cancel.
    HWND question = FindOwnDialog(nullptr, dialog);
    if (!question && IsWindowVisible(dialog) && GetTickCount64() < give_up) return false;
    asked = question && GetDlgItem(question, IDYES);
    PostMessageW(question ? question : dialog, WM_COMMAND, asked ? IDYES : IDCANCEL, 0);
    return true;
  });
  Win32UserDialogs dialogs;
  dialogs.SetFilter(ConfigFileFilter);
  dialogs.SetFlags(OverwritePromptFlag);
  const auto chosen = dialogs.ChooseFile(FileDialogMode::Save, existing);
  EXPECT_EQ(filters[0], L"Config files (*.cfg)");
  EXPECT_EQ(filters[1], L"All Files (*.*)");
  EXPECT_EQ(selected_filter, 0);
  EXPECT_NE(file_name.find(L"b\u00E9.cfg"), std::wstring::npos) << WideToUtf8(file_name);
  EXPECT_TRUE(asked);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->filename().wstring(), L"b\u00E9.cfg");
}

}  // namespace
}  // namespace vbe::testing

#include <string_view>
#include <thread>

#include "win32/win32_dialogs.h"
#include "win32/win32_fixture.h"

namespace vbe::testing {
namespace {

// A visible dialog of this process with that title (any title when none is given), other than
// `except`: tests run side by side, and another test's dialog must never be answered here.
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

// Waits up to `tries` times 20 ms; the first file dialog in a fresh Wine prefix takes many
// seconds to appear.
HWND WaitForDialog(const wchar_t* title, HWND except = nullptr, int tries = 2000) {
  for (int i = 0; i < tries; ++i) {
    if (HWND box = FindOwnDialog(title, except)) return box;
    Sleep(20);
  }
  return nullptr;
}

TEST(SystemMessageBox, ShowsTheTextTitleAndButtonsOfTheStyleAndAnswersTheButtonPressed) {
  std::wstring text;
  bool buttons[4] = {};  // Yes, No, Cancel, OK
  std::thread user([&] {
    HWND box = WaitForDialog(L"Caf\u00E9 title");
    if (!box) return;
    if (HWND label = GetDlgItem(box, 0xFFFF)) text = WindowText(label);
    int i = 0;
    for (int id : {IDYES, IDNO, IDCANCEL, IDOK}) buttons[i++] = GetDlgItem(box, id) != nullptr;
    PostMessageW(box, WM_COMMAND, IDNO, 0);
  });
  Win32UserDialogs dialogs;
  const Answer answer = dialogs.ShowMessage("Row one\r\nRow \xC3\xA9", "Caf\xC3\xA9 title", 67);
  user.join();
  EXPECT_EQ(answer, Answer::No);
  EXPECT_EQ(text, L"Row one\r\nRow \u00E9");
  EXPECT_TRUE(buttons[0] && buttons[1] && buttons[2]);
  EXPECT_FALSE(buttons[3]);
}

TEST(SystemFileDialog, OffersTheFiltersStartsFromTheFileNameAndAsksBeforeReplacing) {
  TempFolder folder;
  const auto existing = folder / "b\xC3\xA9.cfg";
  WriteBytes(existing, "old");
  std::wstring filters[2], file_name;
  LRESULT selected_filter = -1;
  bool asked = false;
  std::thread user([&] {
    HWND dialog = WaitForDialog(nullptr);
    if (!dialog) return;
    Sleep(200);
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
    // The overwrite question, answered Yes.
    HWND question = WaitForDialog(nullptr, dialog, 250);
    if (question && GetDlgItem(question, IDYES)) {
      asked = true;
      PostMessageW(question, WM_COMMAND, IDYES, 0);
    }
  });
  Win32UserDialogs dialogs;
  dialogs.SetFilter(ConfigFileFilter);
  dialogs.SetFlags(OverwritePromptFlag);
  const auto chosen = dialogs.ChooseFile(FileDialogMode::Save, existing);
  user.join();
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

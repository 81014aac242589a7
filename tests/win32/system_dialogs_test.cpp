#include <string_view>
#include <thread>

#include "win32/win32_dialogs.h"
#include "win32/win32_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

// Waits up to forty seconds for a dialog of this process with that title: the first file
// dialog in a fresh Wine prefix takes many seconds to appear.
// A dialog of this process, other than `except`: tests run side by side, and another test's
// dialog must never be answered here.
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
            std::wstring_view(class_name) != L"#32770" || !IsWindowVisible(window)) {
          return TRUE;
        }
        if (s.title && WindowText(window) != s.title) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForDialog(const wchar_t* title) {
  for (int i = 0; i < 2000; ++i) {
    if (HWND box = FindOwnDialog(title)) return box;
    Sleep(20);
  }
  return nullptr;
}

std::wstring DialogItemText(HWND box, int id) {
  HWND item = GetDlgItem(box, id);
  return item ? WindowText(item) : L"(no item " + std::to_wstring(id) + L")";
}

TEST(SystemMessageBox, ShowsTheTextTitleAndButtonsOfTheStyleAndAnswersTheButtonPressed) {
  struct Seen {
    std::wstring text;
    bool yes, no, cancel, ok;
  } seen{};
  std::thread user([&] {
    HWND box = WaitForDialog(L"Caf\u00E9 title");
    if (!box) return;
    seen = {DialogItemText(box, 0xFFFF), GetDlgItem(box, IDYES) != nullptr,
            GetDlgItem(box, IDNO) != nullptr, GetDlgItem(box, IDCANCEL) != nullptr,
            GetDlgItem(box, IDOK) != nullptr};
    PostMessageW(box, WM_COMMAND, IDNO, 0);
  });
  Win32UserDialogs dialogs;
  const Answer answer = dialogs.ShowMessage("Row one\r\nRow \xC3\xA9", "Caf\xC3\xA9 title", 67);
  user.join();
  EXPECT_EQ(answer, Answer::No);
  EXPECT_EQ(seen.text, L"Row one\r\nRow \u00E9");
  EXPECT_TRUE(seen.yes && seen.no && seen.cancel);
  EXPECT_FALSE(seen.ok);
}

TEST(SystemFileDialog, OffersTheFiltersStartsFromTheFileNameAndAsksBeforeReplacing) {
  WindowsTempFolder folder;
  const fs::path existing =
      folder.path() / L"b\u00E9.cfg";  // a wide name: MinGW widens narrow ones byte by byte
  WriteFileBytes(existing, "old");
  struct Seen {
    std::wstring file_name, first_filter, second_filter;
    LRESULT selected_filter = -1;
    bool asked = false;
  } seen{};
  std::thread user([&] {
    HWND dialog = WaitForDialog(nullptr);
    if (!dialog) return;
    Sleep(200);
    HWND types = GetDlgItem(dialog, 0x470);  // the file type list
    wchar_t item[64] = {};
    SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    seen.first_filter = item;
    SendMessageW(types, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
    seen.second_filter = item;
    seen.selected_filter = SendMessageW(types, CB_GETCURSEL, 0, 0);
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
    if (!name) name = GetDlgItem(dialog, 0x480);
    seen.file_name = WindowText(name);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    // The overwrite question, answered Yes.
    for (int i = 0; i < 250; ++i) {
      HWND question = FindOwnDialog(nullptr, dialog);
      if (question && GetDlgItem(question, IDYES)) {
        seen.asked = true;
        PostMessageW(question, WM_COMMAND, IDYES, 0);
        break;
      }
      Sleep(20);
    }
  });
  Win32UserDialogs dialogs;
  dialogs.SetFilter(ConfigFileFilter);
  dialogs.SetFlags(OverwritePromptFlag);
  const auto chosen = dialogs.ChooseFile(FileDialogMode::Save, existing);
  user.join();
  EXPECT_EQ(seen.first_filter, L"Config files (*.cfg)");
  EXPECT_EQ(seen.second_filter, L"All Files (*.*)");
  EXPECT_EQ(seen.selected_filter, 0);
  EXPECT_NE(seen.file_name.find(L"b\u00E9.cfg"), std::wstring::npos) << WideToUtf8(seen.file_name);
  EXPECT_TRUE(seen.asked);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->filename().wstring(), L"b\u00E9.cfg");
}

}  // namespace
}  // namespace vbe::testing

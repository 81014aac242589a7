#include <algorithm>
#include <tuple>
#include <vector>

#include "forms/readme_window.h"
#include "win32/win32_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

// How many visible top-level windows of this thread have that title.
int WindowsTitled(const std::wstring& title) {
  std::pair<std::wstring, int> search{title, 0};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<std::pair<std::wstring, int>*>(data);
        s->second += IsWindowVisible(window) && WindowText(window) == s->first;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

std::vector<std::wstring> Items(HWND list) {
  std::vector<std::wstring> items;
  for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
    std::wstring item(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

// The locator over drive c: (a fresh folder with c:\games\vellmar, whose autoexec.cfg
// exists, and c:\empty) and drive d:, a folder that does not exist.
class Locator : public MainWindowTest {
 protected:
  Locator() {
    fs::create_directories(disk / "games" / "vellmar");
    fs::create_directories(disk / "empty");
    WriteBytes(disk / "games" / "vellmar" / "autoexec.cfg", "");
    Start(disk / "no such drive");
    Click(Get("Command7"));
  }
  HWND Locate() const { return form->LocatorWindowHandle(); }
  HWND In(const char* name) const { return Control(Locate(), name); }
  // Highlights the item and presses Return, which opens it.
  void OpenItem(const std::wstring& item) {
    const auto items = Items(In("Dir1"));
    const auto at = std::find(items.begin(), items.end(), item);
    ASSERT_NE(at, items.end()) << "no item " << WideToUtf8(item);
    SendMessageW(In("Dir1"), LB_SETCURSEL, at - items.begin(), 0);
    SendMessageW(In("Dir1"), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
  }
};

TEST_F(Locator, OpensOnceCentredOverTheMainWindowWithTheDrivesAndTheFirstDrivesRoot) {
  const HWND first = Locate();
  ASSERT_NE(first, nullptr);
  RECT over, at;
  GetWindowRect(Window(), &over);
  GetWindowRect(first, &at);
  EXPECT_LE(std::abs((over.left + over.right) - (at.left + at.right)), 2);
  EXPECT_LE(std::abs((over.top + over.bottom) - (at.top + at.bottom)), 2);
  EXPECT_EQ(WindowText(In("Drive1")), L"c:");
  EXPECT_EQ(SendMessageW(In("Drive1"), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"empty", L"games"}));
  EXPECT_EQ(GetFocus(), In("Drive1"));

  ShowWindow(first, SW_MINIMIZE);
  Click(Get("Command7"));
  EXPECT_EQ(Locate(), first);
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(WindowsTitled(L"Locate Autoexec file"), 1);
}

TEST_F(Locator, OkWritesTheOpenedFolderIntoText15AndClosesAndCancelChangesNothing) {
  OpenItem(L"games");
  OpenItem(L"vellmar");
  Click(In("Command1"));
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\games\\vellmar");
  EXPECT_EQ(Locate(), nullptr);
  EXPECT_EQ(WindowsTitled(L"Locate Autoexec file"), 0);

  Click(Get("Command7"));
  OpenItem(L"empty");
  Click(In("Command2"));
  EXPECT_EQ(Locate(), nullptr);
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\games\\vellmar");
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Locator, TheOpenedFolderIsTheSelectedOneAndADoubleClickOpensButASelectionDoesNot) {
  OpenItem(L"games");
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"games", L"vellmar"}));
  EXPECT_EQ(SendMessageW(In("Dir1"), LB_GETCURSEL, 0, 0), 1) << "the opened folder";
  SendMessageW(In("Dir1"), WM_KEYDOWN, VK_RETURN, 0);  // opens it again: the same rows
  Pump();
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"games", L"vellmar"}));

  // A selection moved by the user changes nothing; a double-click opens.
  const auto notify = [&](int code) {
    SendMessageW(Locate(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(In("Dir1")), code),
                 reinterpret_cast<LPARAM>(In("Dir1")));
    Pump();
  };
  SendMessageW(In("Dir1"), LB_SETCURSEL, 0, 0);
  notify(LBN_SELCHANGE);
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"games", L"vellmar"}));
  notify(LBN_DBLCLK);
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"empty", L"games"}));
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Locator, ADriveThatCannotBeEnteredIsReportedAndTheFoldersStay) {
  const auto before = Items(In("Dir1"));
  SendMessageW(In("Drive1"), CB_SETCURSEL, 1, 0);
  SendMessageW(Locate(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(In("Drive1")), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(In("Drive1")));
  EXPECT_EQ(dialogs.boxes, (Boxes{{"Device is unavailable", "Drive Error", 16}}));
  EXPECT_EQ(Items(In("Dir1")), before);
  EXPECT_EQ(WindowText(In("Drive1")), L"d:");
}

TEST_F(Locator, ReturnOrEscapeInTheButtonsDoesNotAnswerForThem) {
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    SetFocus(In("Drive1"));
    MSG msg{In("Drive1"), WM_KEYDOWN, key, 0, 0, {}};
    IsDialogMessageW(Locate(), &msg);
    Pump();
    ASSERT_NE(Locate(), nullptr) << key;
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

using ReadMe = MainWindowTest;

TEST_F(ReadMe, OpensOnceMaximisedReadOnlyWithTheNotesSizedFromTheWorkAreaWithinTheWindow) {
  Click(Get("Command8"));
  Click(Get("Command8"));
  const HWND readme = form->ReadMeWindowHandle();
  ASSERT_NE(readme, nullptr);
  EXPECT_EQ(WindowsTitled(L"ReadMe"), 1);
  EXPECT_TRUE(IsZoomed(readme));
  const HWND text = Control(readme, "Text1");
  EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & WS_VSCROLL);
  Type(text, L"typed");
  EXPECT_EQ(WindowText(text), BindTextToWide(ReadMeText()));

  // The work area's size in twips, less 662 twips of height (which caps the height when
  // maximised); never more than the window shows.
  const UINT dpi = WindowDpi(readme);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(readme, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const TwipSize twips{(monitor.rcWork.right - monitor.rcWork.left) * 15,
                       (monitor.rcWork.bottom - monitor.rcWork.top) * 15 - 662};
  const auto box = [&] {
    RECT rect, client;
    GetWindowRect(text, &rect);
    GetClientRect(readme, &client);
    return std::tuple{rect.right - rect.left, rect.bottom - rect.top, client};
  };
  const auto expect_fits = [&](const char* when) {
    const auto [width, height, client] = box();
    EXPECT_EQ(width, std::min<int>(TwipsToPixels(twips.width, dpi), client.right)) << when;
    EXPECT_EQ(height, std::min<int>(TwipsToPixels(twips.height, dpi), client.bottom)) << when;
    return client;
  };
  const RECT maximised = expect_fits("maximised");
  ASSERT_GT(maximised.bottom, TwipsToPixels(twips.height, dpi));
  ShowWindow(readme, SW_RESTORE);
  PumpUntil([&] { return std::get<2>(box()).bottom == TwipsToPixels(ReadMeClientHeight, dpi); });
  const RECT restored = expect_fits("restored");
  EXPECT_EQ(restored.right, TwipsToPixels(ReadMeClientWidth, dpi));
  EXPECT_EQ(restored.bottom, TwipsToPixels(ReadMeClientHeight, dpi));

  ShowWindow(readme, SW_MINIMIZE);
  Click(Get("Command8"));
  EXPECT_EQ(form->ReadMeWindowHandle(), readme);
  EXPECT_FALSE(IsIconic(readme));

  // Closed, the next press opens it afresh; Exit closes it.
  SendMessageW(readme, WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(form->ReadMeWindowHandle(), nullptr);
  Click(Get("Command8"));
  ASSERT_NE(form->ReadMeWindowHandle(), nullptr);
  EXPECT_TRUE(IsZoomed(form->ReadMeWindowHandle()));
  Click(Get("Command6"));
  EXPECT_EQ(form->ReadMeWindowHandle(), nullptr);
}

}  // namespace
}  // namespace vbe::testing

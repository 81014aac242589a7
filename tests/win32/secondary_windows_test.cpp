#include <algorithm>
#include <vector>

#include "forms/readme_window.h"
#include "win32/win32_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

// The visible top-level windows of this thread with that title.
std::vector<HWND> WindowsTitled(const std::wstring& title) {
  struct Search {
    std::wstring title;
    std::vector<HWND> found;
  } search{title, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (IsWindowVisible(window) && WindowText(window) == s->title) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::wstring> Items(HWND list) {
  std::vector<std::wstring> items;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring item(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

POINT Centre(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The locator over drive c: (a fresh folder with c:\games\vellmar, whose autoexec.cfg
// exists, and c:\empty) and drive d:, a folder that does not exist.
class Locator : public MainWindowTest {
 protected:
  Locator() {
    fs::create_directories(disk / "games" / "vellmar");
    fs::create_directories(disk / "empty");
    WriteFileBytes(disk / "games" / "vellmar" / "autoexec.cfg", "");
    Form1Host host;
    host.drives.SetDrive('c', disk.path());
    host.drives.SetDrive('d', disk / "no such drive");
    host.dialogs = &dialogs;
    host.audio = &audio;
    host.end_program = [this] { ++ends; };
    form.reset();
    form = std::make_unique<Form1>(std::move(host));
    form->Show(SW_SHOWNORMAL);
    Pump();
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
  ASSERT_NE(Locate(), nullptr);
  EXPECT_EQ(WindowsTitled(L"Locate Autoexec file").size(), 1u);
  const POINT over = Centre(Window()), at = Centre(Locate());
  EXPECT_LE(std::abs(over.x - at.x), 1);
  EXPECT_LE(std::abs(over.y - at.y), 1);
  EXPECT_EQ(WindowText(In("Drive1")), L"c:");
  EXPECT_EQ(SendMessageW(In("Drive1"), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"empty", L"games"}));
  EXPECT_EQ(GetFocus(), In("Drive1"));
  EXPECT_EQ(WindowText(In("Command1")), L"&Ok");

  const HWND first = Locate();
  ShowWindow(first, SW_MINIMIZE);
  Click(Get("Command7"));
  EXPECT_EQ(Locate(), first);
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(WindowsTitled(L"Locate Autoexec file").size(), 1u);
}

TEST_F(Locator, ReturnOpensTheHighlightedFolderAndOkTestsTheOpenedOneNotTheHighlighted) {
  WriteFileBytes(disk / "autoexec.cfg", "");
  OpenItem(L"games");
  EXPECT_EQ(Items(In("Dir1")), (std::vector<std::wstring>{L"c:\\", L"games", L"vellmar"}));
  OpenItem(L"c:\\");
  OpenItem(L"empty");
  SendMessageW(In("Dir1"), LB_SETCURSEL, 0, 0);  // c:\ highlighted, c:\empty open
  Click(In("Command1"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\program files\\Vellmar\\main");

  OpenItem(L"c:\\");  // the root keeps its backslash
  Click(In("Command1"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\");
  EXPECT_EQ(Locate(), nullptr);
}

TEST_F(Locator, OkWithoutAnAutoexecSaysSoAndStaysAndCancelChangesNothing) {
  OpenItem(L"empty");
  Click(In("Command1"));
  EXPECT_EQ(
      dialogs.boxes,
      (Boxes{{"Sorry, can't find the autoexec.cfg file in that folder", "File not found", 16}}));
  ASSERT_NE(Locate(), nullptr);
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\program files\\Vellmar\\main");
  Click(In("Command2"));
  EXPECT_EQ(Locate(), nullptr);
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\program files\\Vellmar\\main");
}

TEST_F(Locator, OkInTheGamesFolderWritesItIntoText15AndCloses) {
  OpenItem(L"games");
  OpenItem(L"vellmar");
  Click(In("Command1"));
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(WindowText(Get("Text15")), L"c:\\games\\vellmar");
  EXPECT_EQ(Locate(), nullptr);
  EXPECT_TRUE(WindowsTitled(L"Locate Autoexec file").empty());
  Click(Get("Command7"));
  EXPECT_EQ(Items(In("Dir1")).front(), L"c:\\") << "a new locator starts afresh";
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

TEST_F(ReadMe, OpensOnceMaximisedReadOnlyWithTheNotesSizedFromTheScreenWithinTheWindow) {
  Click(Get("Command8"));
  Click(Get("Command8"));
  const HWND readme = form->ReadMeWindowHandle();
  ASSERT_NE(readme, nullptr);
  EXPECT_EQ(WindowsTitled(L"ReadMe").size(), 1u);
  EXPECT_TRUE(IsZoomed(readme));
  const HWND text = Control(readme, "Text1");
  EXPECT_EQ(WindowText(text), BindTextToWide(ReadMeText()));
  EXPECT_NE(WindowText(text).find(L"\u25A0"), std::wstring::npos) << "the mark as the square";
  EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & WS_VSCROLL);
  Type(text, L"typed");
  EXPECT_EQ(WindowText(text), BindTextToWide(ReadMeText()));

  // The screen's size in twips, less 662 twips of height; never more than the window shows.
  const UINT dpi = WindowDpi(readme);
  const TwipSize twips =
      ReadMeTextTwips(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const auto box = [&] {
    RECT rect, client;
    GetWindowRect(text, &rect);
    GetClientRect(readme, &client);
    return std::pair{SIZE{rect.right - rect.left, rect.bottom - rect.top}, client};
  };
  // Whatever size the window has, the box never reaches past it.
  auto [size, client] = box();
  EXPECT_EQ(size.cx, std::min<int>(TwipsToPixels(twips.width, dpi), client.right));
  EXPECT_EQ(size.cy, std::min<int>(TwipsToPixels(twips.height, dpi), client.bottom));

  ShowWindow(readme, SW_RESTORE);
  PumpUntil([&] { return box().second.bottom == TwipsToPixels(ReadMeClientHeight, dpi); });
  std::tie(size, client) = box();
  EXPECT_EQ(client.right, TwipsToPixels(ReadMeClientWidth, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(ReadMeClientHeight, dpi));
  EXPECT_EQ(size.cx, client.right) << "follows a smaller window";
  EXPECT_EQ(size.cy, client.bottom);

  // A window larger than the screen shows the box at the screen's size.
  const int large_width = GetSystemMetrics(SM_CXSCREEN) + 200;
  const int large_height = GetSystemMetrics(SM_CYSCREEN) + 200;
  SetWindowPos(readme, nullptr, 0, 0, large_width, large_height, SWP_NOZORDER | SWP_NOMOVE);
  const int screen_box_height = TwipsToPixels(twips.height, dpi);
  PumpUntil([&] { return box().second.bottom > screen_box_height; });
  std::tie(size, client) = box();
  ASSERT_GT(client.bottom, screen_box_height);
  EXPECT_EQ(size.cy, screen_box_height);
  EXPECT_EQ(size.cx, std::min<int>(TwipsToPixels(twips.width, dpi), client.right));

  ShowWindow(readme, SW_MINIMIZE);
  Click(Get("Command8"));
  EXPECT_EQ(form->ReadMeWindowHandle(), readme);
  EXPECT_FALSE(IsIconic(readme));
}

TEST_F(ReadMe, ClosingItLetsTheNextPressOpenItAfreshAndExitClosesIt) {
  Click(Get("Command8"));
  SendMessageW(form->ReadMeWindowHandle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(form->ReadMeWindowHandle(), nullptr);
  Click(Get("Command8"));
  ASSERT_NE(form->ReadMeWindowHandle(), nullptr);
  EXPECT_TRUE(IsZoomed(form->ReadMeWindowHandle()));
  Click(Get("Command6"));
  EXPECT_EQ(form->ReadMeWindowHandle(), nullptr);
  EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace vbe::testing

#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/bind_file.h"
#include "core/preview.h"
#include "forms/main_window.h"
#include "gamecfg/key_catalogue.h"
#include "win32/editor_app.h"
#include "win32/win32_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

const std::wstring kSquare = L"\u25A0";

std::vector<std::string> Cue(const std::string& wav) {
  return {"stop sound", "close sound",
          "open waveaudio!c:\\windows\\media\\" + wav + ".wav alias sound", "play sound"};
}

RECT ClientRectOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void SetClipboardText(HWND owner, std::wstring_view text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
  std::copy(text.begin(), text.end(), chars);
  chars[text.size()] = L'\0';
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// The name a screen reader reads through the system's accessibility objects (the IID comes from
// __uuidof: MinGW's import library holds another value for IID_IAccessible).
std::wstring AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  if (AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&accessible)) != S_OK) {
    return L"(no accessible object)";
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  accessible->get_accName(self, &name);
  std::wstring result = name ? name : L"(none)";
  SysFreeString(name);
  accessible->Release();
  return result;
}

const char* NameOf(HWND control) {
  const char* name = ControlName(control);
  return name ? name : "(unnamed)";
}

using MainWindow = MainWindowTest;

TEST_F(MainWindow, SetsUpEveryControlOfItsTableInTwipsAtEachDpiAndNamesItForScreenReaders) {
  CoInitialize(nullptr);
  const UINT dpi = WindowDpi(Window());
  RECT client;
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(MainClientWidth, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(MainClientHeight, dpi));
  const auto expect_placed = [&](const ControlRow& row, UINT at) {
    SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(at) + " dpi");
    const RECT place = ClientRectOf(Get(row.name)), want = PixelRect(row, at);
    EXPECT_EQ(place.left, want.left);
    EXPECT_EQ(place.top, want.top);
    EXPECT_EQ(place.right, want.right);
    if (row.kind != ControlKind::ComboBox) {  // a drop-down's height is its list's
      EXPECT_EQ(place.bottom, want.bottom);
    }
  };
  for (const ControlRow& row : MainWindowControls()) {
    SCOPED_TRACE(row.name);
    if (row.kind == ControlKind::Shape) continue;  // drawn by the window
    const HWND control = Get(row.name);
    expect_placed(row, dpi);
    EXPECT_EQ(IsWindowVisible(control) != FALSE, row.visible);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, row.enabled);
    EXPECT_EQ(WindowText(control), BindTextToWide(row.caption));
    if (row.kind == ControlKind::CheckBox || row.kind == ControlKind::OptionButton) {
      EXPECT_EQ(CheckState(control), row.checked ? BST_CHECKED : BST_UNCHECKED);
    }
    if (row.kind == ControlKind::LineEditor || row.kind == ControlKind::MultiLineBox) {
      EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0, row.locked);
      if (row.max_length) {
        EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), row.max_length);
      }
    }
    // A screen reader names a box by the label before it (Wine names a combo box by its text).
    if (row.spoken_name && row.kind != ControlKind::ComboBox) {
      EXPECT_EQ(AccessibleName(control), BindTextToWide(row.spoken_name));
    }
  }
  CoUninitialize();
  EXPECT_EQ(GetFocus(), Get("Command1"));
  EXPECT_EQ(WindowText(Window()), L"Vellmar Bind Editor");

  const HWND combo = Get("Combo1");
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 76);
  EXPECT_EQ(GetWindowLongW(combo, GWL_STYLE) & (CBS_DROPDOWN | CBS_DROPDOWNLIST | CBS_SORT),
            CBS_DROPDOWN);
  for (int i : {0, 43, 75}) {
    wchar_t item[32] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), BindTextToWide(KeyCatalogue[i])) << i;
  }

  // Moved to a screen of another DPI (the window's frame stays at Wine's own DPI, so its client
  // size is not compared), everything is placed again, and the fonts follow: a line editor's is
  // 9.75 points.
  constexpr UINT new_dpi = 144;
  RECT suggested{10, 10, 20, 20};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  for (const ControlRow& row : MainWindowControls()) {
    if (row.kind != ControlKind::Shape) expect_placed(row, new_dpi);
  }
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Line(1), WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(975, new_dpi, 7200));
}

TEST_F(MainWindow, TabFollowsTheLayoutSkippingHiddenControlsAndTheKeyLeavesEveryBox) {
  const char* order[] = {"Command1", "Command3", "Command4", "Text1",  "Text2",  "Text3",
                         "Text4",    "Text5",    "Text6",    "Text7",  "Text8",  "Option1",
                         "Text14",   "Command6", "Text15",   "Check2", "Combo1", "Command7",
                         "Command8", "Command9", "Command1"};
  HWND at = Get(order[0]);
  for (std::size_t i = 1; i < std::size(order); ++i) {
    at = GetNextDlgTabItem(Window(), at, FALSE);
    EXPECT_STREQ(NameOf(at), order[i]) << "after " << order[i - 1];
  }
  // The Tab key itself, from the boxes that could keep it (the preview and the drop-down's edit).
  for (const auto& [from, to] :
       {std::pair{"Text8", "Option1"}, {"Text14", "Command6"}, {"Combo1", "Command7"}}) {
    HWND focus = Get(from);
    if (std::string_view(from) == "Combo1") focus = FindWindowExW(focus, nullptr, L"EDIT", nullptr);
    SetFocus(focus);
    MSG msg{focus, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(HandleDialogKeys(msg)) << from;
    Pump();
    EXPECT_STREQ(NameOf(GetFocus()), to) << "from " << from;
  }
}

TEST_F(MainWindow, AccessKeysWithAltClickTheirButtonsPlainLettersDoNotAndNewEmptiesOnlyOnYes) {
  const auto press = [&](wchar_t letter, UINT message) {
    MSG msg{GetFocus(), message, letter, 0, 0, {}};
    if (!HandleDialogKeys(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Pump();
  };
  Type(Line(1), L"keep");
  SetFocus(Get("Command9"));
  press(L'n', WM_CHAR);
  press(L's', WM_CHAR);
  EXPECT_TRUE(dialogs.boxes.empty() && dialogs.file_requests.empty());
  for (wchar_t letter : {L'n', L'o', L's'}) press(letter, WM_SYSCHAR);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "WaRnInG!");
  EXPECT_EQ(WindowText(Line(1)), L"keep") << "New empties the lines only on Yes";
  ASSERT_EQ(dialogs.file_requests.size(), 2u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Open);
  EXPECT_EQ(dialogs.file_requests[1].mode, FileDialogMode::Save);
  dialogs.answers = {Answer::Yes};
  Click(Get("Command1"));
  EXPECT_EQ(WindowText(Line(1)), L"");
  EXPECT_EQ(ends, 0);
  press(L'x', WM_SYSCHAR);
  EXPECT_EQ(ends, 1);
}

struct EditCase {
  const char* name;
  const char* box;
  std::wstring start;
  std::wstring input;
  bool paste;
  std::wstring kept;
  friend void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }
};

class Editing : public MainWindowTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(Editing, KeepsWhatTheCodePageCarriesUpTo36CharactersInTheLinesAndNothingElsewhere) {
  const EditCase& c = GetParam();
  const HWND box = Get(c.box);
  SetFocus(box);
  Type(box, c.start);
  if (c.paste) {
    SetClipboardText(Window(), c.input);
    SendMessageW(box, WM_PASTE, 0, 0);
  } else {
    Type(box, c.input);
  }
  EXPECT_EQ(WindowText(box), c.kept);
}

const std::wstring kFolder = L"c:\\program files\\Vellmar\\main";
const std::wstring k30 = std::wstring(30, L'x'), k35 = std::wstring(35, L'm'),
                   k36 = std::wstring(36, L'x');

INSTANTIATE_TEST_SUITE_P(
    Boxes, Editing,
    ::testing::Values(
        EditCase{"TypedAccentedLetterKept", "Text3", L"", L"Caf\u00E9", false, L"Caf\u00E9"},
        EditCase{"TypedEuroSignKept", "Text3", L"", L"5\u20AC", false, L"5\u20AC"},
        EditCase{"TypedCjkDropped", "Text3", L"", L"a\u4E2Db", false, L"ab"},
        EditCase{"TypedSurrogatePairDropped", "Text3", L"", L"a\U0001F600b", false, L"ab"},
        EditCase{"TypedEllipsisIsTheSquare", "Text3", L"", L"x\u2026", false, L"x\u25A0"},
        EditCase{"Typed37thRefused", "Text3", k35, L"no", false, k35 + L"n"},
        EditCase{"PastedCodePageAndTabKept", "Text3", L"", L"\u00E9t\u00E9\tok", true,
                 L"\u00E9t\u00E9\tok"},
        EditCase{"PastedBreaksAndCjkDropped", "Text3", L"", L"ab\r\ncd\u4E2D\u0001ef", true,
                 L"abcdef"},
        EditCase{"PastedOnlyWhatFits", "Text3", k30, L"\u4E2D1234567890", true, k30 + L"123456"},
        EditCase{"PastedNothingWhenFull", "Text3", k36, L"abc", true, k36},
        EditCase{"PreviewTakesNoTyping", "Text14", L"", L"abc", false, L""},
        EditCase{"PreviewTakesNoPaste", "Text14", L"", L"abc", true, L""},
        EditCase{"FolderTakesNoTyping", "Text15", L"", L"abc", false, kFolder},
        EditCase{"FolderTakesNoPaste", "Text15", L"", L"abc", true, kFolder}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, UpAndDownMoveTheFocusBetweenNeighbouringLinesOnly) {
  for (int line = 1; line <= 8; ++line) {
    for (const auto& [key, step] : {std::pair{VK_DOWN, 1}, {VK_UP, -1}}) {
      SetFocus(Line(line));
      SendMessageW(Line(line), WM_KEYDOWN, key, 0);
      const int want = std::clamp(line + step, 1, 8);
      EXPECT_EQ(GetFocus(), Line(want)) << "line " << line << (key == VK_DOWN ? " down" : " up");
    }
  }
  SetFocus(Get("Text15"));
  SendMessageW(Get("Text15"), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(GetFocus(), Get("Text15"));
}

// Auto Preview replaces only the changed line's row; whatever the edits, the preview must end up
// exactly as a full recomposition shows the lines, one row each, a full line unwrapped.
TEST_F(MainWindow, AfterEveryEditTheAutoPreviewEqualsAFullRecompositionOfTheLines) {
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"type into line 1", [&] { Type(Line(1), L"hello"); }},
      {"type into line 8", [&] { Type(Line(8), L"bottom row"); }},
      {"a full line 4", [&] { Type(Line(4), std::wstring(36, L'W')); }},
      {"backspace in line 1", [&] { Type(Line(1), L"\b\b"); }},
      {"the mark typed in line 3", [&] { Type(Line(3), L"\u2026art"); }},
      {"empty line 8", [&] { form->SetLine(8, ""); }},
      {"line 2 of spaces", [&] { Type(Line(2), L"   "); }},
      {"Auto Preview off, then typing, then on again",
       [&] {
         Click(Get("Check1"));  // greyed
         Click(Get("Check1"));  // cleared
         Type(Line(5), L"while off");
         Click(Get("Check1"));
         Type(Line(6), L"on");
       }},
  };
  for (const auto& [what, act] : steps) {
    act();
    Pump();
    EXPECT_EQ(Preview(), BindTextToWide(BuildPreviewText(form->Lines()))) << what;
    EXPECT_EQ(SendMessageW(Get("Text14"), EM_GETLINECOUNT, 0, 0), 8) << what;
  }
}

TEST_F(MainWindow, WithoutAutoPreviewThePreviewWaitsForUpdateAndTheOptionsOnlyRecolourIt) {
  const auto preview_colour = [&] {
    HDC dc = GetDC(Get("Text14"));
    SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Get("Text14")));
    const COLORREF text = GetTextColor(dc), ground = GetBkColor(dc);
    ReleaseDC(Get("Text14"), dc);
    return std::pair{text, ground};
  };
  Type(Line(1), L"a");
  const std::wstring rows = Preview();
  EXPECT_EQ(preview_colour(), std::pair(RGB(255, 255, 255), GetSysColor(COLOR_MENUTEXT)));
  // Check1 greyed, then cleared.
  for (const LRESULT state : {BST_INDETERMINATE, BST_UNCHECKED}) {
    Click(Get("Check1"));
    ASSERT_EQ(CheckState(Get("Check1")), state);
    EXPECT_TRUE(IsWindowEnabled(Get("Command5")));
    Type(Line(8), L"q");
    EXPECT_EQ(Preview(), rows) << state;
  }
  Click(Get("Option2"));
  EXPECT_EQ(preview_colour().first, RGB(255, 255, 0));
  EXPECT_EQ(Preview(), rows) << "recoloured, not recomposed";
  Click(Get("Command5"));
  EXPECT_EQ(Preview(), L"a\r\n\r\n\r\n\r\n\r\n\r\n\r\nqq");
  Click(Get("Check1"));
  EXPECT_FALSE(IsWindowEnabled(Get("Command5")));
}

TEST_F(MainWindow, SaveWritesTheWorkedExampleTypedIntoTheEditorsByteForByte) {
  const wchar_t* lines[] = {L"one", L"two", L"three", L"", L"  five", L"six  ", L"", L"eight"};
  for (int k = 1; k <= 8; ++k) Type(Line(k), lines[k - 1]);
  Click(Get("Option2"));
  dialogs.file_choices = {disk / "example.cfg"};
  Click(Get("Command4"));

  const auto sp = [](std::size_t n) { return std::string(n, ' '); };
  const std::string say = "say \"\r>", gap = sp(6), end = "\"\r\n";
  const std::string example = say + "one" + sp(33) + gap + "two" + sp(33) + end +       //
                              say + "three" + sp(31) + gap + sp(36) + end +             //
                              say + "  five" + sp(30) + gap + "six  " + sp(31) + end +  //
                              say + sp(36) + gap + "eight" + sp(31) + end;
  ASSERT_EQ(example.size(), 352u);
  EXPECT_EQ(ReadBytes(disk / "example.cfg"), example);
}

TEST_F(MainWindow, OpenShowsAHandEditedShortFileAndAFullFileSetsTheColour) {
  const auto open = [&](const std::string& bytes) {
    WriteBytes(disk / "open.cfg", bytes);
    dialogs.file_choices = {disk / "open.cfg"};
    Click(Get("Command3"));
  };
  const std::string full = ComposeBindFile(
      *ComposeSayLines({"tre\xE9", "\x85one", "c", "d", "e", "f", "g", "h"}, TextColour::White));
  Type(Line(8), L"old");
  Click(Get("Option2"));
  // The fourth say command deleted by hand: the lines come from the closing quotes, and a short
  // file keeps the colour.
  open(full.substr(0, 264));
  const std::wstring want[] = {L"tre\u00E9", kSquare + L"one", L"c", L"d", L"e", L"f", L"", L""};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(WindowText(Line(k)), want[k - 1]) << k;
  EXPECT_EQ(form->Line(2), "\x85one");
  EXPECT_EQ(Preview(), L"tre\u00E9\r\n" + kSquare + L"one\r\nc\r\nd\r\ne\r\nf\r\n\r\n");
  EXPECT_EQ(form->PreviewColour(), RGB(255, 255, 0));

  open(full);
  EXPECT_EQ(CheckState(Get("Option1")), BST_CHECKED);
  EXPECT_EQ(form->PreviewColour(), RGB(255, 255, 255));
  EXPECT_EQ(WindowText(Line(8)), L"h");
}

TEST_F(MainWindow, SaveShowsTheCharacterErrorForADoubleQuoteAndWritesNothing) {
  Type(Line(2), L"say \"hi\"");
  dialogs.file_choices = {disk / "x.cfg"};
  Click(Get("Command4"));
  EXPECT_EQ(dialogs.boxes,
            (Boxes{{"Line 2 has the \" character in it. This causes problems to this program and "
                    "Vellmar.\r\nPlease remove/replace these",
                    "Character Error", 16}}));
  EXPECT_FALSE(fs::exists(disk / "x.cfg"));
}

TEST_F(MainWindow, SaveAppendsTheBindToTheAutoexecOfText15AfterAYes) {
  const fs::path main = disk.path() / "program files" / "Vellmar" / "main";
  fs::create_directories(main);
  WriteBytes(main / "autoexec.cfg", "exec game.cfg\r\n");
  Type(Line(1), L"hello");
  Click(Get("Check2"));
  SendMessageW(Get("Combo1"), CB_SETCURSEL, 10, 0);  // "k"
  dialogs.file_choices = {main / "hello.cfg"};
  dialogs.answers = {Answer::Yes};
  Click(Get("Command4"));
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(ReadBytes(main / "autoexec.cfg"), "exec game.cfg\r\nbind \"k\" exec hello.cfg\r\n");
}

TEST_F(MainWindow, SpacingFixerAsksThreeTimesThenMarksEveryLineAndThePreview) {
  Type(Line(2), std::wstring(33, L'x'));
  Type(Line(4), L"abc");
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Click(Get("Command9"));
  ASSERT_EQ(dialogs.boxes.size(), 4u);
  EXPECT_NE(dialogs.boxes[1].text.find("Line 2 may be too long."), std::string::npos);
  const std::wstring marked[] = {kSquare, kSquare + std::wstring(32, L'x'),
                                 kSquare, kSquare + L"bc",
                                 kSquare, kSquare,
                                 kSquare, kSquare};
  std::wstring rows;
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(WindowText(Line(k)), marked[k - 1]) << k;
    rows += (k > 1 ? L"\r\n" : L"") + marked[k - 1];
  }
  EXPECT_EQ(form->Line(4),
            "\x85"
            "bc");
  EXPECT_EQ(Preview(), rows);
}

TEST_F(MainWindow, TheHiddenStopButtonStopsAndExitOrClosingPlaysTheExitCueAndEndsOnce) {
  Click(Get("Command2"));
  EXPECT_EQ(audio.commands, (std::vector<std::string>{"stop sound", "close sound"}));
  for (const bool by_exit : {true, false}) {
    Start();
    audio.commands.clear();
    ends = 0;
    if (by_exit) Click(Get("Command6"));
    SendMessageW(Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(audio.commands, Cue("robotz~8")) << by_exit;
    EXPECT_EQ(ends, 1) << by_exit;
  }
}

}  // namespace
}  // namespace vbe::testing

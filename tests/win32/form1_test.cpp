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

using MainWindow = MainWindowTest;

TEST_F(MainWindow, PlacesEveryControlOfItsTableInTwipsAtTheWindowsDpi) {
  const UINT dpi = WindowDpi(Window());
  RECT client;
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(MainClientWidth, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(MainClientHeight, dpi));
  for (const ControlRow& row : MainWindowControls()) {
    SCOPED_TRACE(row.name);
    if (row.kind == ControlKind::Shape) continue;  // drawn by the window
    const HWND control = Get(row.name);
    const RECT place = ClientRectOf(control), want = PixelRect(row, dpi);
    EXPECT_EQ(place.left, want.left);
    EXPECT_EQ(place.top, want.top);
    EXPECT_EQ(place.right, want.right);
    if (row.kind != ControlKind::ComboBox) {
      EXPECT_EQ(place.bottom, want.bottom);
    }
    EXPECT_EQ(IsWindowVisible(control) != FALSE, row.visible);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, row.enabled);
  }
}

TEST_F(MainWindow, MovingToAScreenOfAnotherDpiPlacesEverythingAgainAtThatDpi) {
  constexpr UINT dpi = 144;
  RECT suggested{10, 10, 20, 20};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Pump();
  // (The window's frame stays at Wine's own DPI, so its client size is not compared here.)
  for (const char* name : {"Text1", "Command4", "Check2", "Text14"}) {
    const RECT place = ClientRectOf(Get(name));
    const auto& rows = MainWindowControls();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const ControlRow& r) {
      return std::string_view(r.name) == name;
    });
    const RECT want = PixelRect(*row, dpi);
    EXPECT_EQ(place.left, want.left) << name;
    EXPECT_EQ(place.bottom, want.bottom) << name;
  }
  // The fonts follow: a line editor's font is 9.75 points at 144 dots per inch.
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Line(1), WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(975, dpi, 7200));
}

TEST_F(MainWindow, StartsWithTheLayoutsCaptionsTextsAndStates) {
  const std::pair<const char*, std::wstring> texts[] = {
      {"Command1", L"&New"},
      {"Command4", L"&Save"},
      {"Command6", L"E&xit"},
      {"Option2", L"Use Yellow Text"},
      {"Check2", L"Add bind to autoexec for me after saving"},
      {"Label2", L"Location of autoexec.cfg file"},
      {"Text15", L"c:\\program files\\Vellmar\\main"},
      {"Combo1", L"Choose your key"},
      {"Text14", L""},
      {"Text1", L""},
      {"Text8", L""}};
  for (const auto& [name, text] : texts) EXPECT_EQ(WindowText(Get(name)), text) << name;
  EXPECT_EQ(SendMessageW(Get("Option1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Get("Option2"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(Get("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Get("Check2"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(GetFocus(), Get("Command1"));
  EXPECT_EQ(WindowText(Window()), L"Vellmar Bind Editor");

  const HWND combo = Get("Combo1");
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 76);
  EXPECT_EQ(GetWindowLongW(combo, GWL_STYLE) & (CBS_DROPDOWN | CBS_DROPDOWNLIST | CBS_SORT),
            CBS_DROPDOWN);
  for (int i : {0, 26, 43, 75}) {
    wchar_t item[32] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), BindTextToWide(KeyCatalogue[i])) << i;
  }
  for (const char* name : {"Text14", "Text15"}) {
    EXPECT_TRUE(GetWindowLongW(Get(name), GWL_STYLE) & ES_READONLY) << name;
  }
  EXPECT_EQ(SendMessageW(Line(1), EM_GETLIMITTEXT, 0, 0), 36);
}

TEST_F(MainWindow, TabFollowsTheLayoutFromNewAndSkipsHiddenControls) {
  const char* order[] = {"Command1", "Command3", "Command4", "Text1",  "Text2",  "Text3",
                         "Text4",    "Text5",    "Text6",    "Text7",  "Text8",  "Option1",
                         "Text14",   "Command6", "Text15",   "Check2", "Combo1", "Command7",
                         "Command8", "Command9", "Command1"};
  HWND at = Get(order[0]);
  for (std::size_t i = 1; i < std::size(order); ++i) {
    at = GetNextDlgTabItem(Window(), at, FALSE);
    const char* name = ControlName(at);
    EXPECT_STREQ(name ? name : "(unnamed)", order[i]) << "after " << order[i - 1];
  }
}

TEST_F(MainWindow, TheTabKeyMovesOnFromEveryBoxIncludingThePreview) {
  for (const auto& [from, to] : {std::pair{"Text8", "Option1"},
                                 {"Text14", "Command6"},
                                 {"Text15", "Check2"},
                                 {"Combo1", "Command7"}}) {
    HWND focus = Get(from);
    if (std::string_view(from) == "Combo1") focus = FindWindowExW(focus, nullptr, L"EDIT", nullptr);
    SetFocus(focus);
    MSG msg{focus, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(HandleDialogKeys(msg)) << from;
    Pump();
    const char* name = ControlName(GetFocus());
    EXPECT_STREQ(name ? name : "(unnamed)", to) << "from " << from;
  }
}

TEST_F(MainWindow, AccessKeysWithAltClickTheirButtonsAndPlainLettersDoNot) {
  const auto press = [&](wchar_t letter, UINT message) {
    MSG msg{GetFocus(), message, letter, 0, 0, {}};
    if (!HandleDialogKeys(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Pump();
  };
  SetFocus(Get("Command9"));
  press(L'n', WM_CHAR);
  press(L's', WM_CHAR);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(dialogs.file_requests.empty());

  press(L'n', WM_SYSCHAR);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "WaRnInG!");
  press(L'o', WM_SYSCHAR);
  press(L's', WM_SYSCHAR);
  ASSERT_EQ(dialogs.file_requests.size(), 2u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Open);
  EXPECT_EQ(dialogs.file_requests[1].mode, FileDialogMode::Save);
  EXPECT_EQ(ends, 0);
  press(L'x', WM_SYSCHAR);
  EXPECT_EQ(ends, 1);
}

struct TypingCase {
  const char* name;
  std::wstring start;
  std::wstring typed;
  std::wstring kept;
  friend void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }
};

class Typing : public MainWindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, KeepsOnlyWhatTheCodePageCarriesUpTo36Characters) {
  const HWND editor = Line(3);
  SetFocus(editor);
  Type(editor, GetParam().start);
  Type(editor, GetParam().typed);
  EXPECT_EQ(WindowText(editor), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    LineEditors, Typing,
    ::testing::Values(TypingCase{"AccentedLetterKept", L"", L"Caf\u00E9", L"Caf\u00E9"},
                      TypingCase{"EuroSignKept", L"", L"5\u20AC", L"5\u20AC"},
                      TypingCase{"CjkDropped", L"", L"a\u4E2Db", L"ab"},
                      TypingCase{"SurrogatePairDropped", L"", L"a\U0001F600b", L"ab"},
                      TypingCase{"EllipsisBecomesTheSquare", L"", L"x\u2026", L"x\u25A0"},
                      TypingCase{"The37thRefused", std::wstring(35, L'm'), L"no",
                                 std::wstring(35, L'm') + L"n"}),
    [](const auto& info) { return std::string(info.param.name); });

class Pasting : public MainWindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Pasting, KeepsTheFirstCharactersThatFitOnceTheRefusedAreDropped) {
  const HWND editor = Line(5);
  SetFocus(editor);
  Type(editor, GetParam().start);
  SetClipboardText(Window(), GetParam().typed);
  SendMessageW(editor, WM_PASTE, 0, 0);
  EXPECT_EQ(WindowText(editor), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    LineEditors, Pasting,
    ::testing::Values(
        TypingCase{"CodePageAndTabKept", L"", L"\u00E9t\u00E9\tok", L"\u00E9t\u00E9\tok"},
        TypingCase{"LineBreaksAndCjkDropped", L"", L"ab\r\ncd\u4E2D\u0001ef", L"abcdef"},
        TypingCase{"OnlyWhatFitsKept", std::wstring(30, L'x'), L"\u4E2D1234567890",
                   std::wstring(30, L'x') + L"123456"},
        TypingCase{"NothingWhenFull", std::wstring(36, L'x'), L"abc", std::wstring(36, L'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, TheFolderAndPreviewBoxesTakeNoTyping) {
  for (const char* name : {"Text14", "Text15"}) {
    const std::wstring before = WindowText(Get(name));
    Type(Get(name), L"abc");
    SetClipboardText(Window(), L"pasted");
    SendMessageW(Get(name), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(Get(name)), before) << name;
  }
}

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

TEST_F(MainWindow, PreviewFollowsTypingWhileAutoPreviewIsOnAndTheOptionsColourIt) {
  const auto preview_colour = [&] {
    HDC dc = GetDC(Get("Text14"));
    SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Get("Text14")));
    const COLORREF text = GetTextColor(dc), ground = GetBkColor(dc);
    ReleaseDC(Get("Text14"), dc);
    return std::pair{text, ground};
  };
  Type(Line(1), L"a\u2026");
  Type(Line(3), L"z");
  const std::wstring rows = L"a" + kSquare + L"\r\n\r\nz\r\n\r\n\r\n\r\n\r\n";
  EXPECT_EQ(WindowText(Get("Text14")), rows);
  EXPECT_EQ(preview_colour(), std::pair(RGB(255, 255, 255), GetSysColor(COLOR_MENUTEXT)));

  // Check1 greyed, then cleared: typing leaves the preview, and the options only recolour
  // the stale text, until Update Preview recomposes it.
  for (const LRESULT state : {BST_INDETERMINATE, BST_UNCHECKED}) {
    Click(Get("Check1"));
    ASSERT_EQ(SendMessageW(Get("Check1"), BM_GETCHECK, 0, 0), state);
    EXPECT_TRUE(IsWindowEnabled(Get("Command5")));
    Type(Line(8), L"q");
    EXPECT_EQ(WindowText(Get("Text14")), rows) << state;
  }
  Click(Get("Option2"));
  EXPECT_EQ(preview_colour().first, RGB(255, 255, 0));
  EXPECT_EQ(WindowText(Get("Text14")), rows) << "recoloured, not recomposed";
  Click(Get("Option1"));
  EXPECT_EQ(preview_colour().first, RGB(255, 255, 255));
  EXPECT_EQ(WindowText(Get("Text14")), rows);
  Click(Get("Command5"));
  EXPECT_EQ(WindowText(Get("Text14")), L"a" + kSquare + L"\r\n\r\nz\r\n\r\n\r\n\r\n\r\nqq");
  Click(Get("Check1"));
  EXPECT_FALSE(IsWindowEnabled(Get("Command5")));
}

// Auto Preview replaces only the changed line's row; whatever the edits, the preview must end up
// exactly as a full recomposition shows the lines, one row each, a full line unwrapped.
TEST_F(MainWindow, AfterEveryEditTheAutoPreviewEqualsAFullRecompositionOfTheLines) {
  const auto full = [&] { return BindTextToWide(BuildPreviewText(form->Lines())); };
  const auto click_check1 = [&](int times) {
    for (int i = 0; i < times; ++i) Click(Get("Check1"));
  };
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
         click_check1(2);
         Type(Line(5), L"while off");
         click_check1(1);
         Type(Line(6), L"on");
       }},
  };
  for (const auto& [what, act] : steps) {
    act();
    Pump();
    EXPECT_EQ(WindowText(Get("Text14")), full()) << what;
    EXPECT_EQ(SendMessageW(Get("Text14"), EM_GETLINECOUNT, 0, 0), 8) << what;
  }
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
  EXPECT_EQ(ReadFileBytes(disk / "example.cfg"), example);
  EXPECT_EQ(audio.commands, Cue("robot~18"));
  ASSERT_EQ(dialogs.file_requests.size(), 1u);
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Save);
  EXPECT_EQ(form->FileName(), disk / "example.cfg");
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainWindow, OpenFillsTheEditorsAndThePreviewFromAHandEditedShortFile) {
  // The fourth say command deleted by hand: the lines come from the closing quotes.
  const BindLines eight = {"tre\xE9", "b", "c", "d", "e", "f", "g", "h"};
  WriteFileBytes(disk / "short.cfg",
                 ComposeBindFile(*ComposeSayLines(eight, TextColour::White)).substr(0, 264));
  Type(Line(8), L"old");
  Click(Get("Option2"));
  dialogs.file_choices = {disk / "short.cfg"};
  Click(Get("Command3"));

  const wchar_t* want[] = {L"tre\u00E9", L"b", L"c", L"d", L"e", L"f", L"", L""};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(WindowText(Line(k)), want[k - 1]) << k;
  EXPECT_EQ(audio.commands, Cue("robot~15"));
  EXPECT_EQ(dialogs.file_requests.at(0).mode, FileDialogMode::Open);
  EXPECT_EQ(form->Colour(), TextColour::Yellow) << "a short file keeps the colour";
  EXPECT_EQ(WindowText(Get("Text14")), L"tre\u00E9\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n");
  EXPECT_EQ(form->PreviewColour(), RGB(255, 255, 0));
}

TEST_F(MainWindow, OpenOfAFullFileTakesTheColourAndShowsTheMarkAsTheSquare) {
  std::string file;
  const std::string sp36(36, ' ');
  file += "say \"\r \x85one" + std::string(32, ' ') + "      two" + std::string(33, ' ') + "\"\r\n";
  for (int i = 0; i < 3; ++i) file += "say \"\r " + sp36 + "      " + sp36 + "\"\r\n";
  ASSERT_EQ(file.size(), 352u);
  WriteFileBytes(disk / "full.cfg", file);
  Click(Get("Option2"));
  dialogs.file_choices = {disk / "full.cfg"};
  Click(Get("Command3"));
  EXPECT_EQ(SendMessageW(Get("Option1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(form->PreviewColour(), RGB(255, 255, 255));
  EXPECT_EQ(WindowText(Line(1)).substr(0, 4), kSquare + L"one");
  EXPECT_EQ(form->Line(1).substr(0, 4), "\x85one");
  EXPECT_EQ(WindowText(Get("Text14")).substr(0, 4), kSquare + L"one");
}

TEST_F(MainWindow, SaveShowsTheCharacterErrorForADoubleQuoteAndWritesNothing) {
  Type(Line(2), L"say \"hi\"");
  dialogs.file_choices = {disk / "x.cfg"};
  Click(Get("Command4"));
  EXPECT_EQ(dialogs.boxes,
            (Boxes{{"Line 2 has the \" character in it. This causes problems to this program and "
                    "Vellmar.\r\nPlease remove/replace these",
                    "Character Error", 16}}));
  EXPECT_TRUE(dialogs.file_requests.empty());
  EXPECT_TRUE(audio.commands.empty());
  EXPECT_FALSE(fs::exists(disk / "x.cfg"));
}

TEST_F(MainWindow, SaveAppendsTheBindToTheAutoexecOfText15AfterAYes) {
  const fs::path main = disk.path() / "program files" / "Vellmar" / "main";
  fs::create_directories(main);
  WriteFileBytes(main / "autoexec.cfg", "exec game.cfg\r\n");
  Type(Line(1), L"hello");
  Click(Get("Check2"));
  SendMessageW(Get("Combo1"), CB_SETCURSEL, 10, 0);  // "k"
  dialogs.file_choices = {main / "hello.cfg"};
  dialogs.answers = {Answer::Yes};
  Click(Get("Command4"));
  EXPECT_EQ(
      dialogs.boxes,
      (Boxes{{"File saved .. Proceed to modify autoexec.cfg file?", "Modify autoexec?", 67}}));
  EXPECT_EQ(ReadFileBytes(main / "autoexec.cfg"), "exec game.cfg\r\nbind \"k\" exec hello.cfg\r\n");
  EXPECT_EQ(ReadFileBytes(main / "hello.cfg").size(), 352u);

  // Ticked without a key: the save ends before anything else.
  SetWindowTextW(Get("Combo1"), L"Choose your key");
  dialogs.boxes.clear();
  Click(Get("Command4"));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "D'oh!");
  EXPECT_EQ(dialogs.file_requests.size(), 1u);
}

TEST_F(MainWindow, SpacingFixerAsksThreeTimesThenMarksEveryLineAndThePreview) {
  Type(Line(2), std::wstring(33, L'x'));
  Type(Line(4), L"abc");
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Click(Get("Command9"));
  ASSERT_EQ(dialogs.boxes.size(), 4u);
  EXPECT_EQ(dialogs.boxes[0].title, "Spacing Fixer Warning");
  EXPECT_EQ(dialogs.boxes[0].style, 67);
  EXPECT_EQ(dialogs.boxes[1].text,
            "Spacing Fixer - Step 1\r\n\r\n"
            "The program has checked the length of each line for problems ..\r\n\r\n"
            "Line 2 may be too long.\r\n\r\n\r\n"
            "Do you wish to continue? Or cancel to fix these problems?");
  EXPECT_EQ(dialogs.boxes[3].title, "Finished");
  EXPECT_EQ(WindowText(Line(2)), kSquare + std::wstring(32, L'x'));
  EXPECT_EQ(WindowText(Line(4)), kSquare + L"bc");
  EXPECT_EQ(WindowText(Line(8)), kSquare);
  EXPECT_EQ(form->Line(4),
            "\x85"
            "bc");
  std::wstring rows = kSquare;
  for (const std::wstring& line : {kSquare + std::wstring(32, L'x'), kSquare, kSquare + L"bc",
                                   kSquare, kSquare, kSquare, kSquare}) {
    rows += L"\r\n" + line;
  }
  EXPECT_EQ(WindowText(Get("Text14")), rows);

  dialogs.file_choices = {disk / "marked.cfg"};
  Click(Get("Command4"));
  const std::string saved = ReadFileBytes(disk / "marked.cfg");
  ASSERT_EQ(saved.size(), 352u);
  EXPECT_EQ(saved.substr(0, 8), "say \"\r \x85");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\x85'), 8);
}

TEST_F(MainWindow, NewEmptiesTheLinesOnlyOnYes) {
  Type(Line(1), L"keep");
  dialogs.answers = {Answer::No};
  Click(Get("Command1"));
  EXPECT_EQ(WindowText(Line(1)), L"keep");
  dialogs.answers = {Answer::Yes};
  Click(Get("Command1"));
  EXPECT_EQ(WindowText(Line(1)), L"");
  EXPECT_EQ(dialogs.boxes.back(), (Box{"Start a new file? Are you sure?", "WaRnInG!", 19}));
}

TEST_F(MainWindow, TheHiddenStopButtonStopsAndExitOrClosingPlaysTheExitCueAndEndsOnce) {
  Click(Get("Command2"));
  EXPECT_EQ(audio.commands, (std::vector<std::string>{"stop sound", "close sound"}));
  audio.commands.clear();
  Click(Get("Command6"));
  EXPECT_EQ(audio.commands, Cue("robotz~8"));
  EXPECT_EQ(ends, 1);
  SendMessageW(Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(ends, 1);
}

TEST_F(MainWindow, ClosingTheWindowPlaysTheExitCueAndEndsTheProgram) {
  SendMessageW(Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(audio.commands, Cue("robotz~8"));
  EXPECT_EQ(ends, 1);
}

// The name a screen reader reads through the system's accessibility objects (the IID comes from
// __uuidof: MinGW's import library holds another value for IID_IAccessible): a caption, or for
// a text box the label just before it. (Wine names a combo box by its text, not by a label.)
TEST_F(MainWindow, ScreenReadersReadTheNamesOfTheControlsWithoutCaptions) {
  CoInitialize(nullptr);
  const std::pair<const char*, std::wstring> names[] = {
      {"Text1", L"Line 1"},   {"Text8", L"Line 8"},
      {"Text14", L"Preview"}, {"Text15", L"Location of autoexec.cfg file"},
      {"Command4", L"Save"},  {"Check2", L"Add bind to autoexec for me after saving"}};
  for (const auto& [control, want] : names) {
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(Get(control), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&accessible)),
              S_OK)
        << control;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    EXPECT_EQ(std::wstring(name ? name : L"(none)"), want) << control;
    SysFreeString(name);
    accessible->Release();
  }
  CoUninitialize();
}

}  // namespace
}  // namespace vbe::testing

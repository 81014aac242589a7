#include <oleacc.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/bind_file.h"
#include "core/preview.h"
#include "gamecfg/key_catalogue.h"
#include "support/cue_file.h"
#include "win32/editor_app.h"
#include "win32/win32_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

const std::wstring kSquare = L"\u25A0";

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

TEST_F(MainWindow, DownOnTheWhiteOptionSelectsTheYellowOneAndTheArrowsStayInThePair) {
  const auto key = [&](WPARAM arrow) {
    MSG msg{GetFocus(), WM_KEYDOWN, arrow, 0, 0, {}};
    EXPECT_TRUE(HandleDialogKeys(msg));
    Pump();
  };
  SetFocus(Get("Option1"));
  key(VK_DOWN);
  EXPECT_EQ(GetFocus(), Get("Option2"));
  EXPECT_EQ(CheckState(Get("Option2")), BST_CHECKED);
  EXPECT_EQ(CheckState(Get("Option1")), BST_UNCHECKED);
  EXPECT_EQ(PreviewColour(), RGB(255, 255, 0)) << "selected by the key, recoloured";
  key(VK_DOWN);
  EXPECT_TRUE(GetFocus() == Get("Option1") || GetFocus() == Get("Option2")) << NameOf(GetFocus());
  SetFocus(Get("Option2"));
  key(VK_UP);
  EXPECT_EQ(GetFocus(), Get("Option1"));
  EXPECT_EQ(CheckState(Get("Option1")), BST_CHECKED);
  EXPECT_EQ(PreviewColour(), RGB(255, 255, 255));
}

TEST_F(MainWindow, AKeyNameTypedIntoTheKeyBoxAndReturnAddsNoItem) {
  const HWND edit = FindWindowExW(Get("Combo1"), nullptr, L"EDIT", nullptr);
  SetFocus(edit);
  SetWindowTextW(edit, L"");
  Type(edit, L"F12");
  MSG msg{edit, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  if (!HandleDialogKeys(msg)) DispatchMessageW(&msg);
  Pump();
  EXPECT_EQ(SendMessageW(Get("Combo1"), CB_GETCOUNT, 0, 0), 76);
  EXPECT_EQ(WindowText(Get("Combo1")), L"F12");
  EXPECT_EQ(form->Behaviour().Key(), "F12");
}

// Each way text reaches a box through the real control; another program (an automation tool)
// may also set the text or replace the selection with a message of its own. The control can
// insert text by itself too (an input method's composition), which the class's own procedure
// does here.
enum class Way {
  Typed,
  CtrlV,
  ShiftInsert,
  ContextMenuPaste,
  InputMethod,
  OtherProgram,
  SetText,
  ByItself
};

struct EditCase {
  const char* name;
  const char* box;
  std::wstring start;
  std::wstring input;
  Way way;
  std::wstring kept;
  friend void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }
};

// The keyboard's state while `keys` are held, for the controls that ask it.
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256] = {};
  for (int key : keys) state[key] = 0x80;
  SetKeyboardState(state);
}

// The edit control's own context menu, its Paste chosen with the keyboard: the menu is modal, so
// the keys wait in the queue until it runs.
void PasteFromContextMenu(HWND edit) {
  for (const WPARAM key : {WPARAM('P'), WPARAM(VK_RETURN)}) {
    PostMessageW(edit, WM_KEYDOWN, key, 0);
  }
  SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(5, 5));
}

void Enter(HWND box, Way way, std::wstring_view input) {
  switch (way) {
    case Way::Typed:
      return Type(box, input);
    case Way::InputMethod:
      for (wchar_t c : input) SendMessageW(box, WM_IME_CHAR, c, 1);
      return;
    case Way::CtrlV:
      SendMessageW(box, WM_CHAR, 0x16, 1);
      return;
    case Way::ShiftInsert:
      HoldKeys({VK_SHIFT});
      SendMessageW(box, WM_KEYDOWN, VK_INSERT, 1);
      HoldKeys({});
      return;
    case Way::ContextMenuPaste:
      return PasteFromContextMenu(box);
    case Way::ByItself: {
      WNDCLASSW edit_class{};
      GetClassInfoW(nullptr, L"EDIT", &edit_class);
      CallWindowProcW(edit_class.lpfnWndProc, box, EM_REPLACESEL, TRUE,
                      reinterpret_cast<LPARAM>(std::wstring(input).c_str()));
      return;
    }
    case Way::SetText:
      SetWindowTextW(box, std::wstring(input).c_str());
      return;
    case Way::OtherProgram:
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(input).c_str()));
      return;
  }
}

class Editing : public MainWindowTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(Editing, EveryWayIntoALineOrTheKeyBoxGoesThroughTheLineFilterAndTheUndoStepsBack) {
  const EditCase& c = GetParam();
  HWND box = Get(c.box);
  if (std::string_view(c.box) == kKeyChooser) box = FindWindowExW(box, nullptr, L"EDIT", nullptr);
  SetFocus(box);
  // Set, not typed: the control's one step of undo would take the typing and the paste together.
  if (!c.start.empty() || std::string_view(c.box) == kKeyChooser) {
    SetWindowTextW(box, c.start.c_str());
    SendMessageW(box, EM_SETSEL, c.start.size(), c.start.size());
  }
  if (c.way == Way::CtrlV || c.way == Way::ShiftInsert || c.way == Way::ContextMenuPaste) {
    SetClipboardText(Window(), c.input);
  }
  Enter(box, c.way, c.input);
  Pump();
  EXPECT_EQ(WindowText(box), c.kept);
  // Setting the text leaves the control no undo.
  if (GetWindowLongW(box, GWL_STYLE) & ES_READONLY || c.way == Way::SetText) return;
  // A paste is one edit, and so is a run of typing: the control's undo takes it back whole, also
  // after a refused character.
  SendMessageW(box, EM_UNDO, 0, 0);
  EXPECT_EQ(WindowText(box), c.start) << "after undo";
}

const std::wstring kFolder = L"c:\\program files\\Vellmar\\main";
const std::wstring k30 = std::wstring(30, L'x'), k35 = std::wstring(35, L'm'),
                   k36 = std::wstring(36, L'x');
const std::wstring kHostile = L"X\u0141\u00F3d\u017A\u4E2D\u6587\U0001F600\aY\u2026";
const std::wstring kHostileKept = L"X\u00F3dY\u25A0";

INSTANTIATE_TEST_SUITE_P(
    Boxes, Editing,
    ::testing::Values(
        EditCase{"TypedCodePageKept", "Text3", L"", L"Caf\u00E9 5\u20AC", Way::Typed,
                 L"Caf\u00E9 5\u20AC"},
        EditCase{"TypedOthersDropped", "Text3", L"",
                 L"a\u4E2D\U0001F600\x7F"
                 L"b",
                 Way::Typed, L"ab"},
        EditCase{"TypedEllipsisIsTheSquare", "Text3", L"", L"x\u2026", Way::Typed, L"x\u25A0"},
        EditCase{"Typed37thRefused", "Text3", k35, L"no", Way::Typed, k35 + L"n"},
        EditCase{"CtrlV", "Text5", L"", kHostile, Way::CtrlV, kHostileKept},
        EditCase{"ShiftInsert", "Text5", L"", kHostile, Way::ShiftInsert, kHostileKept},
        EditCase{"ContextMenuPaste", "Text5", L"", kHostile, Way::ContextMenuPaste, kHostileKept},
        EditCase{"InputMethod", "Text5", L"ok", L"\u4E2D\u00E9", Way::InputMethod, L"ok\u00E9"},
        EditCase{"OtherProgramOnlyWhatFits", "Text3", k30, L"\u4E2D1234567890", Way::OtherProgram,
                 k30 + L"123456"},
        EditCase{"OtherProgramSetsTheText", "Text5", L"ok", kHostile, Way::SetText, kHostileKept},
        EditCase{"ByItself", "Text5", L"ok", kHostile, Way::ByItself, L"ok" + kHostileKept},
        EditCase{"ByItselfOnlyWhatFits", "Text3", k30, L"\u4E2D1234567890", Way::ByItself,
                 k30 + L"123456"},
        EditCase{"KeyBoxByItself", "Combo1", L"F", L"\u4E2D1\u2026", Way::ByItself, L"F1\u25A0"},
        EditCase{"PastedOnlyWhatFits", "Text3", k30, L"\u4E2D1234567890", Way::ShiftInsert,
                 k30 + L"123456"},
        EditCase{"MenuPastedOnlyWhatFits", "Text3", k30, L"\u4E2D1234567890", Way::ContextMenuPaste,
                 k30 + L"123456"},
        EditCase{"KeyBoxShiftInsert", "Combo1", L"", kHostile, Way::ShiftInsert, kHostileKept},
        EditCase{"KeyBoxContextMenuPaste", "Combo1", L"", kHostile, Way::ContextMenuPaste,
                 kHostileKept},
        EditCase{"KeyBoxOtherProgram", "Combo1", L"F", L"\u4E2D1\r\n", Way::OtherProgram, L"F1"},
        EditCase{"KeyBoxTyped", "Combo1", L"", L"F\u4E2D1", Way::Typed, L"F1"},
        EditCase{"PreviewTakesNoPaste", "Text14", L"", L"abc", Way::CtrlV, L""},
        EditCase{"FolderTakesNoPaste", "Text15", L"", L"abc", Way::ShiftInsert, kFolder}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, APasteIntoAFullLineReplacesItsSelectionAndEveryLineTakes36Characters) {
  for (int k = 1; k <= 8; ++k) {
    Type(Line(k), std::wstring(40, L'a' + k));
    EXPECT_EQ(WindowText(Line(k)), std::wstring(36, L'a' + k)) << k;
  }
  SetClipboardText(Window(), L"abc");
  SendMessageW(Line(2), EM_SETSEL, 10, 13);
  SendMessageW(Line(2), WM_CHAR, 0x16, 1);
  EXPECT_EQ(WindowText(Line(2)), std::wstring(10, L'c') + L"abc" + std::wstring(23, L'c'));
}

TEST_F(MainWindow, UpAndDownMoveTheFocusBetweenNeighbouringLinesOnlyAndOtherKeysLeaveIt) {
  for (int line = 1; line <= 8; ++line) {
    for (const auto& [key, step] : {std::pair{VK_DOWN, 1}, {VK_UP, -1}}) {
      SetFocus(Line(line));
      SendMessageW(Line(line), WM_KEYDOWN, key, 0);
      const int want = std::clamp(line + step, 1, 8);
      EXPECT_EQ(GetFocus(), Line(want)) << "line " << line << (key == VK_DOWN ? " down" : " up");
    }
    for (const WPARAM key : {VK_PRIOR, VK_NEXT, VK_LEFT}) {
      SetFocus(Line(line));
      MSG msg{Line(line), WM_KEYDOWN, key, 0, 0, {}};
      if (!HandleDialogKeys(msg)) DispatchMessageW(&msg);
      EXPECT_EQ(GetFocus(), Line(line)) << "line " << line << " key " << key;
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
      {"empty line 8", [&] { form->Behaviour().SetLine(8, ""); }},
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
    EXPECT_EQ(Preview(), BindTextToWide(BuildPreviewText(form->Behaviour().Lines()))) << what;
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

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

struct ArtPaste {
  const char* name;
  int line;
  std::wstring pasted;
  BindLines saved;  // the lines as saved, starting from "old1" ... "old8"
  int beeps;
  std::vector<std::string> boxes;
};

class ArtPasteTest : public MainWindowTest,
                     public ::testing::WithParamInterface<std::tuple<Way, ArtPaste>> {};

// Text art of several rows pasted into a line fills the lines below it; the bytes saved are the
// lines as shown.
TEST_P(ArtPasteTest, FillsTheLinesBelowAndSavesWhatTheyShow) {
  const auto& [way, art] = GetParam();
  for (int k = 1; k <= 8; ++k) SetWindowTextW(Line(k), (L"old" + std::to_wstring(k)).c_str());
  SetFocus(Line(art.line));
  SendMessageW(Line(art.line), EM_SETSEL, 3, 3);
  SetClipboardText(Window(), art.pasted);
  Enter(Line(art.line), way, L"");
  Pump();
  std::vector<std::string> boxes;
  for (const auto& box : dialogs.boxes) boxes.push_back(box.title + ": " + box.text);
  EXPECT_EQ(boxes, art.boxes);
  EXPECT_EQ(beeps, art.beeps);
  dialogs.file_choices = {disk / "art.cfg"};
  Click(Get("Command4"));
  EXPECT_EQ(ReadBytes(disk / "art.cfg"),
            ComposeBindFile(*ComposeSayLines(art.saved, TextColour::White)));
}

INSTANTIATE_TEST_SUITE_P(
    WaysAndArt, ArtPasteTest,
    ::testing::Combine(
        ::testing::Values(Way::CtrlV, Way::ShiftInsert, Way::ContextMenuPaste),
        ::testing::Values(
            ArtPaste{"EightRows",
                     1,
                     L"/\\_/\\\r\n( o.o )\u263A\r\n\t> ^ <\r\n\u2026\u00E9\u4E2D\r\n"
                     L"0123456789012345678901234567890123456789\r\n\r\n|_|\r\n end  \r\n",
                     {"old/\\_/\\1", "( o.o )", "\t> ^ <", "\x85\xE9",
                      "012345678901234567890123456789012345", "", "|_|", " end  "},
                     1,
                     {}},
            ArtPaste{"ThreeRowsWithLoneLineFeeds",
                     4,
                     L"<*>\n-+-\n/ \\",
                     {"old1", "old2", "old3", "old<*>4", "-+-", "/ \\", "old7", "old8"},
                     0,
                     {}},
            ArtPaste{"TwelveRows",
                     1,
                     L"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl",
                     {"olda1", "b", "c", "d", "e", "f", "g", "h"},
                     0,
                     {"Paste: Only the first 8 rows fit; the rest were left out."}})),
    [](const auto& info) {
      return "Way" + std::to_string(static_cast<int>(std::get<0>(info.param))) + "_" +
             std::get<1>(info.param).name;
    });

TEST_F(MainWindow, ARefusedCharacterSoundsTheWarningAndAnAcceptedOneDoesNot) {
  SetFocus(Line(3));
  Type(Line(3), L"ab");
  EXPECT_EQ(beeps, 0);
  Type(Line(3), L"\u263A");
  EXPECT_EQ(beeps, 1) << "outside the code page";
  SetWindowTextW(Line(3), std::wstring(36, L'x').c_str());
  SendMessageW(Line(3), EM_SETSEL, 36, 36);
  Type(Line(3), L"y");
  EXPECT_EQ(beeps, 2) << "a 37th character";
  SetClipboardText(Window(), L"\u0141");
  SetFocus(Line(4));
  Enter(Line(4), Way::CtrlV, L"");
  EXPECT_EQ(beeps, 3) << "a paste of nothing the line may hold";
  SetClipboardText(Window(), L"ok\t");
  Enter(Line(4), Way::ShiftInsert, L"");
  EXPECT_EQ(beeps, 3);
  EXPECT_EQ(WindowText(Line(4)), L"ok\t");
}

// "Copy bind" puts the eight lines on the clipboard, rows joined by CR LF; Ctrl+C in the preview
// does the same with nothing selected, and copies a selection as it stands.
TEST_F(MainWindow, CopyBindPutsTheEightLinesOnTheClipboard) {
  const wchar_t* lines[] = {L"a  ", L"", L"\tb\u25A0", L"", L"", L"", L"", L"end "};
  for (int k = 1; k <= 8; ++k) SetWindowTextW(Line(k), lines[k - 1]);
  const std::wstring bind = L"a  \r\n\r\n\tb\u25A0\r\n\r\n\r\n\r\n\r\nend ";
  HWND preview = Get("Text14");
  SetClipboardText(Window(), L"before");
  SetFocus(preview);
  PostMessageW(preview, WM_KEYDOWN, 'B', 0);
  SendMessageW(preview, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(preview), MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(ClipboardText(Window()), bind) << "the context menu's Copy bind";

  SetClipboardText(Window(), L"before");
  SendMessageW(preview, EM_SETSEL, 0, 0);
  SendMessageW(preview, WM_CHAR, 0x03, 1);  // Ctrl+C
  EXPECT_EQ(ClipboardText(Window()), bind);
  SendMessageW(preview, EM_SETSEL, 0, 1);
  SendMessageW(preview, WM_CHAR, 0x03, 1);
  EXPECT_EQ(ClipboardText(Window()), L"a");
}

// The same hostile inputs give the same bytes as on every other system: a paste with
// Shift+Insert into line 5, and a file whose lines hold CR LF, NUL and BEL opened and saved again.
TEST_F(MainWindow, HostilePastesAndFilesSaveTheSameBytesAsEverywhere) {
  SetClipboardText(Window(), kHostile);
  SetFocus(Line(5));
  Enter(Line(5), Way::ShiftInsert, L"");
  dialogs.file_choices = {disk / "pasted.cfg"};
  Click(Get("Command4"));
  const auto bytes = [](const BindLines& lines) {
    return ComposeBindFile(*ComposeSayLines(lines, TextColour::White));
  };
  EXPECT_EQ(ReadBytes(disk / "pasted.cfg"), bytes({"", "", "", "",
                                                   "X\xF3"
                                                   "dY\x85",
                                                   "", "", ""}));

  const BindLines raw = {"say\r\nhi", std::string("nul\0after", 9), "bel\x07!", "", "", "", "",
                         "end"};
  WriteBytes(disk / "hostile.cfg", bytes(raw));
  dialogs.file_choices = {disk / "hostile.cfg", disk / "resaved.cfg"};
  Click(Get("Command3"));
  EXPECT_EQ(WindowText(Line(2)), L"nulafter");
  Click(Get("Command4"));
  EXPECT_EQ(ReadBytes(disk / "resaved.cfg"),
            bytes({"sayhi", "nulafter", "bel!", "", "", "", "", "end"}));
}

TEST(CommandLine, NamesTheArgumentsAfterTheProgramsOwnName) {
  using Files = std::vector<fs::path>;
  EXPECT_EQ(CommandLineArguments(L"\"C:\\Program Files\\vbe.exe\" \"z:\\my binds\\hi.cfg\" two"),
            (Files{L"z:\\my binds\\hi.cfg", L"two"}));
  EXPECT_EQ(CommandLineArguments(L"vbe.exe\tb.cfg"), Files{L"b.cfg"});
  EXPECT_EQ(CommandLineArguments(L"vbe.exe"), Files{});
  EXPECT_EQ(CommandLineArguments(L"\"C:\\Program Files\\vbe.exe\"  "), Files{});
}

TEST_F(MainWindow, AnExceptionInsideACommandIsShownAndTheWindowGoesOn) {
  Type(Line(1), L"kept");
  dialogs.on_file_dialog = [] { throw std::runtime_error("no disk"); };
  Click(Get("Command3"));
  EXPECT_EQ(dialogs.boxes, (Boxes{{"The command stopped: no disk", "Error", 16}}));
  EXPECT_TRUE(IsWindow(Window()));
  EXPECT_EQ(WindowText(Line(1)), L"kept");
  EXPECT_EQ(ends, 0);
}

// A drop of files as the shell hands it to the window.
void DropFiles(HWND window, const std::vector<std::wstring>& files) {
  std::wstring names;
  for (const std::wstring& file : files) names += file + L'\0';
  names += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(drop + 1));
  GlobalUnlock(memory);
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST_F(MainWindow, ADroppedFileOpensAndTwoAreRefused) {
  EXPECT_TRUE(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  for (const char* name : {"a.cfg", "b.cfg"}) {
    WriteBytes(disk / name, ComposeBindFile(*ComposeSayLines({name, "", "", "", "", "", "", ""},
                                                             TextColour::White)));
  }
  DropFiles(Window(), {(disk / "a.cfg").wstring(), (disk / "b.cfg").wstring()});
  EXPECT_EQ(WindowText(Line(1)), L"");
  DropFiles(Window(), {(disk / "a.cfg").wstring()});
  EXPECT_EQ(WindowText(Line(1)), L"a.cfg");
  EXPECT_TRUE(dialogs.boxes.empty() && dialogs.file_requests.empty());
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

TEST_F(MainWindow, SpacingFixerMarksTheFirstCharacterOfEveryLineAndThePreview) {
  Type(Line(2), std::wstring(33, L'x'));
  Type(Line(4), L"abc");
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  Click(Get("Command9"));
  const std::wstring marked[] = {kSquare, kSquare + std::wstring(32, L'x'),
                                 kSquare, kSquare + L"bc",
                                 kSquare, kSquare,
                                 kSquare, kSquare};
  std::wstring rows;
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(WindowText(Line(k)), marked[k - 1]) << k;
    rows += (k > 1 ? L"\r\n" : L"") + marked[k - 1];
  }
  EXPECT_EQ(form->Behaviour().Line(4),
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

// Exit hides the window at once and the program ends only once the message loop has run on to
// the end of the exit cue's timer; the session's end stops that wait at once.
TEST_F(MainWindow, ExitHidesTheWindowAndEndsOnceTheExitCueHasPlayedOrTheSessionEnds) {
  const std::chrono::milliseconds cue(600);
  WriteExitCue(disk.path(), cue);
  for (const bool session_ends : {false, true}) {
    SCOPED_TRACE(session_ends ? "session ends" : "cue plays out");
    Start();
    ends = 0;
    const ULONGLONG clicked = GetTickCount64();
    SendMessageW(Get("Command6"), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(ends, 0);
    if (session_ends) {
      EXPECT_EQ(SendMessageW(Window(), WM_QUERYENDSESSION, 0, 0), TRUE);
      EXPECT_EQ(ends, 1);
    } else {
      EXPECT_TRUE(PumpUntil([&] { return ends == 1; }));
      EXPECT_GE(GetTickCount64() - clicked, ULONGLONG(cue.count())) << "ended before the cue";
    }
    Sleep(1000);
    Pump();
    EXPECT_EQ(ends, 1);
  }
}

}  // namespace
}  // namespace vbe::testing

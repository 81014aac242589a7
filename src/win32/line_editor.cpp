#include "win32/line_editor.h"

#include <string>

#include "app/main_window.h"
#include "app/text_filter.h"
#include "win32/wide_text.h"

namespace vbe {
namespace {

struct Subclass {
  WNDPROC original = nullptr;
  bool filters = false;  // a line editor
  bool tab_leaves = false;
  bool putting_back = false;  // TakeLineChange is mending the text
  std::u16string accepted;    // the text as last filtered
  // The line's length limit, which the filter keeps: the control's own would cut an insertion
  // before it is filtered.
  std::size_t limit = NoLengthLimit;
  std::function<void(WPARAM)> on_key_down;
  std::function<void()> on_return;
  std::function<void(std::u16string_view)> paste_rows;
  std::function<void()> warn;
  std::function<std::u16string()> bind_text;
};

void Warn(Subclass* state) {
  if (state->warn) state->warn();
}

// The state hangs on the control's user data, which the system's control classes leave to the
// program: every message passes through here, and a window property would cost a call to the
// window server on each under Wine.
Subclass* StateOf(HWND window) {
  return reinterpret_cast<Subclass*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::u16string ClipboardText(HWND owner) {
  std::u16string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(HWND owner, std::u16string_view text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
    auto* chars = static_cast<char16_t*>(GlobalLock(memory));
    text.copy(chars, text.size());
    chars[text.size()] = u'\0';
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

// What a line editor keeps of text that replaces its selection: the first characters the filter
// takes that fit.
KeptInsertion KeptOfInsertion(HWND edit, std::u16string_view inserted) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  return FilterInsertion(inserted, RoomLeft(length, end - start, StateOf(edit)->limit));
}

void Paste(HWND edit) {
  if (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) return;
  Subclass* state = StateOf(edit);
  const std::u16string text = ClipboardText(edit);
  if (state->paste_rows && HoldsLineBreak(text)) {
    state->paste_rows(text);
    return;
  }
  const KeptInsertion kept = KeptOfInsertion(edit, text);
  const std::wstring wide = Wide(kept.text);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  if (kept.refused) Warn(state);
}

// The preview's context menu: the box's own Copy and Select All, and Copy bind.
void ShowCopyBindMenu(HWND box, LPARAM at) {
  enum : UINT { kCopy = 1, kCopyBind, kSelectAll };
  POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  if (at == static_cast<LPARAM>(-1)) {  // from the keyboard: at the box's corner
    point = {0, 0};
    ClientToScreen(box, &point);
  }
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (start == end ? MF_GRAYED : 0), kCopy, L"&Copy");
  AppendMenuW(menu, MF_STRING, kCopyBind, Wide(BindTextToUtf16(CopyBindCaption)).c_str());
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kSelectAll, L"Select &All");
  SetFocus(box);
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x,
                                     point.y, 0, box, nullptr);
  DestroyMenu(menu);
  switch (chosen) {
    case kCopy:
      SendMessageW(box, WM_COPY, 0, 0);
      break;
    case kCopyBind:
      SetClipboardText(box, StateOf(box)->bind_text());
      break;
    case kSelectAll:
      SendMessageW(box, EM_SETSEL, 0, -1);
      break;
  }
}

// Takes the control's own edit back with its one step of undo and makes the filtered edit in
// its place, so that undo steps back to the text before the edit, not to the refused one.
// Where undo does not lead back there (text set by a program), the text is replaced whole.
void PutBack(HWND edit, std::u16string_view before, std::u16string_view text) {
  SendMessageW(edit, EM_UNDO, 0, 0);
  // The undo step now holds the refused edit again.
  SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
  if (WindowText16(edit) != before) {
    SetWindowText16(edit, text);
    return;
  }
  std::size_t head = 0, tail = 0;
  while (head < before.size() && head < text.size() && before[head] == text[head]) ++head;
  while (tail < before.size() - head && tail < text.size() - head &&
         before[before.size() - 1 - tail] == text[text.size() - 1 - tail]) {
    ++tail;
  }
  SendMessageW(edit, EM_SETSEL, head, before.size() - tail);
  const std::wstring kept = Wide(text.substr(head, text.size() - head - tail));
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
}

LRESULT CALLBACK LineEditorProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Subclass* state = StateOf(window);
  const WNDPROC original = state->original;
  switch (message) {
    case WM_GETDLGCODE:
      if (state->tab_leaves && lparam &&
          reinterpret_cast<const MSG*>(lparam)->message == WM_KEYDOWN && wparam == VK_TAB) {
        return CallWindowProcW(original, window, message, wparam, lparam) &
               ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
      }
      if (state->on_return && lparam &&
          reinterpret_cast<const MSG*>(lparam)->message == WM_KEYDOWN && wparam == VK_RETURN) {
        return DLGC_WANTMESSAGE | CallWindowProcW(original, window, message, wparam, lparam);
      }
      break;
    case WM_KEYDOWN:
      if (wparam == VK_RETURN && state->on_return) {
        state->on_return();
        return 0;
      }
      if (state->on_key_down) state->on_key_down(wparam);
      // Shift+Insert pastes as Ctrl+V does, through the filter.
      if (state->filters && wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 &&
          GetKeyState(VK_CONTROL) >= 0) {
        Paste(window);
        return 0;
      }
      break;
    case WM_CHAR:
      // Below space are the editor's own commands: backspace, copy, paste, ...
      if (state->filters && wparam >= 0x20) {
        const auto typed = static_cast<char16_t>(wparam);
        const KeptInsertion kept = KeptOfInsertion(window, std::u16string_view(&typed, 1));
        if (kept.text.empty()) {
          Warn(state);
          return 0;
        }
        wparam = kept.text[0];
      }
      break;
    case WM_PASTE:
      if (state->filters) {
        Paste(window);
        return 0;
      }
      break;
    case WM_COPY:
      // Ctrl+C and Copy with nothing selected in the preview copy the whole bind.
      if (state->bind_text) {
        DWORD start = 0, end = 0;
        SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        if (start == end) {
          SetClipboardText(window, state->bind_text());
          return 0;
        }
      }
      break;
    case WM_CONTEXTMENU:
      if (state->bind_text) {
        ShowCopyBindMenu(window, lparam);
        return 0;
      }
      break;
    case EM_REPLACESEL:
    case WM_SETTEXT:
      // Also another program's: the text is filtered before the length limit cuts it.
      if (state->filters && lparam) {
        const auto* text = reinterpret_cast<const char16_t*>(lparam);
        const std::wstring kept = Wide(message == WM_SETTEXT ? FilterLineText(text, state->limit)
                                                             : KeptOfInsertion(window, text).text);
        const LRESULT result = CallWindowProcW(original, window, message, wparam,
                                               reinterpret_cast<LPARAM>(kept.c_str()));
        // A combo box reports no change of its edit's text set this way.
        if (message == WM_SETTEXT && !state->putting_back) state->accepted = WindowText16(window);
        return result;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete state;
      return CallWindowProcW(original, window, message, wparam, lparam);
  }
  return CallWindowProcW(original, window, message, wparam, lparam);
}

Subclass* Attach(HWND control) {
  if (Subclass* existing = StateOf(control)) return existing;
  auto* state = new Subclass;
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  state->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LineEditorProc)));
  return state;
}

}  // namespace

void MakeLineEditor(HWND edit, std::function<void(WPARAM)> on_key_down) {
  Subclass* state = Attach(edit);
  state->filters = true;
  state->accepted = WindowText16(edit);
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  if (limit < 0x7FFFFFFE) state->limit = limit;
  SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  state->on_key_down = std::move(on_key_down);
}

bool TakeLineChange(HWND edit) {
  Subclass* state = StateOf(edit);
  if (!state || !state->filters) return true;
  if (state->putting_back) return false;
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  FilteredEdit filtered = FilterEdit(state->accepted, WindowText16(edit), end, state->limit);
  if (filtered.refused) Warn(state);
  if (filtered.changed) {
    state->putting_back = true;
    PutBack(edit, state->accepted, filtered.text);
    SendMessageW(edit, EM_SETSEL, filtered.caret, filtered.caret);
    state->putting_back = false;
  }
  state->accepted = std::move(filtered.text);
  return true;
}

void RoutePastedRows(HWND edit, std::function<void(std::u16string_view)> paste_rows) {
  Attach(edit)->paste_rows = std::move(paste_rows);
}

void WarnOfRefusals(HWND edit, std::function<void()> warn) {
  Attach(edit)->warn = std::move(warn);
}

void GiveCopyBind(HWND box, std::function<std::u16string()> bind_text) {
  Attach(box)->bind_text = std::move(bind_text);
}

void LetTabLeave(HWND box) {
  Attach(box)->tab_leaves = true;
}

void TakeReturnKey(HWND control, std::function<void()> on_return) {
  Attach(control)->on_return = std::move(on_return);
}

}  // namespace vbe

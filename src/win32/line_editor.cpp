#include "win32/line_editor.h"

#include <string>

#include "win32/wide_text.h"

namespace vbe {
namespace {

struct Subclass {
  WNDPROC original = nullptr;
  bool tab_leaves = false;
  std::function<void(WPARAM)> on_key_down;
  std::function<void()> on_return;
};

// The state hangs on the control's user data, which the system's control classes leave to the
// program: every message passes through here, and a window property would cost a call to the
// window server on each under Wine.
Subclass* StateOf(HWND window) {
  return reinterpret_cast<Subclass*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Paste(HWND edit) {
  if (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) return;
  std::wstring kept = KeepLineCharacters(ClipboardText(edit));
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  const std::size_t remaining = length - (end - start);
  const std::size_t room = limit > remaining ? limit - remaining : 0;
  if (kept.size() > room) kept.resize(room);
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
      break;
    case WM_CHAR: {
      const auto c = static_cast<wchar_t>(wparam);
      if (c < 0x20) break;  // the editor's own commands: backspace, copy, paste, ...
      const std::wstring kept = KeepLineCharacters(std::wstring_view(&c, 1));
      if (kept.empty()) return 0;
      return CallWindowProcW(original, window, message, kept[0], lparam);
    }
    case WM_PASTE:
      if (!state->on_return) {
        Paste(window);
        return 0;
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
  Attach(edit)->on_key_down = std::move(on_key_down);
}

void LetTabLeave(HWND box) {
  Attach(box)->tab_leaves = true;
}

void TakeReturnKey(HWND control, std::function<void()> on_return) {
  Attach(control)->on_return = std::move(on_return);
}

}  // namespace vbe

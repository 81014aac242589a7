#include "win32/spoken_name.h"

#include <oleacc.h>

#include <utility>

namespace vbe {
namespace {

// oleacc.dll and the string allocator of oleaut32.dll, loaded from the system folder when a
// screen reader first asks for a name: imported, oleaut32 alone would cost every start about
// 300 KiB for a call no one may ever make.
struct Oleacc {
  using CreateFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  using ResultFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
  using AllocateFn = BSTR(WINAPI*)(const OLECHAR*);
  CreateFn create = nullptr;
  ResultFn result = nullptr;
  AllocateFn allocate = nullptr;
};

const Oleacc& LoadOleacc() {
  static const Oleacc oleacc = [] {
    Oleacc loaded;
    if (HMODULE module = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
      loaded.create = reinterpret_cast<Oleacc::CreateFn>(
          reinterpret_cast<void*>(GetProcAddress(module, "CreateStdAccessibleObject")));
      loaded.result = reinterpret_cast<Oleacc::ResultFn>(
          reinterpret_cast<void*>(GetProcAddress(module, "LresultFromObject")));
    }
    if (HMODULE module = LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
      loaded.allocate = reinterpret_cast<Oleacc::AllocateFn>(
          reinterpret_cast<void*>(GetProcAddress(module, "SysAllocString")));
    }
    return loaded;
  }();
  return oleacc;
}

// The system's accessible object of a control, answering every question itself except the
// control's own name.
class RenamedAccessible final : public IAccessible {
 public:
  RenamedAccessible(IAccessible* standard, const std::wstring& name)
      : standard_(standard), name_(name) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return standard_->QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = LoadOleacc().allocate(name_.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
  }

  // Everything else is the system's answer.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* wrong_argument) override {
    return standard_->Invoke(id, iid, locale, flags, params, result, exception, wrong_argument);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~RenamedAccessible() { standard_->Release(); }

  IAccessible* standard_;
  std::wstring name_;
  ULONG references_ = 1;
};

struct Named {
  WNDPROC original;
  std::wstring name;
};

LRESULT CALLBACK NamedButtonProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* named = reinterpret_cast<Named*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const WNDPROC original = named->original;
  if (message == WM_GETOBJECT && static_cast<DWORD>(lparam) == static_cast<DWORD>(OBJID_CLIENT)) {
    const Oleacc& oleacc = LoadOleacc();
    IAccessible* standard = nullptr;
    if (oleacc.create && oleacc.result && oleacc.allocate &&
        SUCCEEDED(oleacc.create(window, OBJID_CLIENT, __uuidof(IAccessible),
                                reinterpret_cast<void**>(&standard)))) {
      auto* renamed = new RenamedAccessible(standard, named->name);
      const LRESULT result = oleacc.result(__uuidof(IAccessible), wparam, renamed);
      renamed->Release();
      return result;
    }
  } else if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete named;
  }
  return CallWindowProcW(original, window, message, wparam, lparam);
}

}  // namespace

void GiveSpokenName(HWND button, std::wstring name) {
  auto* named = new Named{nullptr, std::move(name)};
  // A button keeps no data of its own; a window property would be looked up in Wine's window
  // server on every message the button gets.
  SetWindowLongPtrW(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(named));
  named->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NamedButtonProc)));
}

}  // namespace vbe

#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/locator.h"
#include "win32/control_table.h"

namespace vbe {

// The locator window: a drive list (Drive1) and a folder list (Dir1) from which the user picks
// the folder of the game's autoexec.cfg. It is modeless, opens centred over its owner (the main
// window) and stays above it; closing it destroys its window.
class Form2 : public LocatorView {
 public:
  Form2(HWND owner, const DriveTable& drives, UserDialogs& dialogs,
        std::function<void(const std::string&)> set_autoexec_folder);
  ~Form2() override;
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  HWND Window() const { return window_; }

  // LocatorView
  void CloseWindow() override;

 private:
  template <typename Form>
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void WindowGone() { window_ = nullptr; }
  void ApplyDpi(UINT dpi);
  void DrawFolderItem(const DRAWITEMSTRUCT& item);

  ControlSet controls_;
  Locator behaviour_;
  HWND window_ = nullptr;
  HWND dir1_ = nullptr;
  HWND last_focus_ = nullptr;
};

}  // namespace vbe

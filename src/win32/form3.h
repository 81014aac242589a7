#pragma once

#include <windows.h>

#include "win32/control_table.h"

namespace vbe {

// "ReadMe": the program's notes in one read-only box. Closing it destroys its window.
class Form3 {
 public:
  Form3();
  ~Form3();
  Form3(const Form3&) = delete;
  Form3& operator=(const Form3&) = delete;

  HWND Window() const { return window_; }
  bool IsOpen() const { return window_ != nullptr; }
  // Shows the window maximised the first time, later restored if minimised, in front.
  void ShowInFront();

 private:
  template <typename Form>
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void WindowGone() {
    window_ = nullptr;
    text1_ = nullptr;
  }
  // Sizes Text1 from the whole screen; a smaller window clips it to its client area, so the
  // scroll bar stays in sight.
  void SizeReadMeText();

  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  HWND text1_ = nullptr;
  bool shown_ = false;
  LayoutFonts fonts_;
};

}  // namespace vbe

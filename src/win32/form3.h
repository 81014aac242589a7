#pragma once

#include <windows.h>

#include "app/readme.h"
#include "win32/control_table.h"

namespace vbe {

// "ReadMe": the program's notes in one read-only box. It opens maximised; closing it destroys
// its window.
class Form3 : public ReadMeView {
 public:
  Form3();
  ~Form3() override;
  Form3(const Form3&) = delete;
  Form3& operator=(const Form3&) = delete;

  HWND Window() const { return window_; }

  // ReadMeView
  TwipSize WorkAreaPixels() const override;
  void ShowNotes(std::u16string_view text) override;
  void SizeNotes(TwipSize size) override;

 private:
  template <typename Form>
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void WindowGone() {
    window_ = nullptr;
    text1_ = nullptr;
  }
  // Gives Text1 its size from the load step; a smaller window clips it to its client area, so
  // the scroll bar stays in sight.
  void PlaceNotes();

  HWND window_ = nullptr;
  HWND text1_ = nullptr;
  TwipSize notes_size_{0, 0};
  LayoutFonts fonts_;
};

}  // namespace vbe

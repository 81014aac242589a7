#pragma once

#include <string_view>

#include "forms/readme_window.h"

namespace vbe {

// The read-me window's controls as its behaviour sets them.
class ReadMeView {
 public:
  virtual ~ReadMeView() = default;

  // The size of the screen's work area (the screen less the desktop's panels and taskbar) in
  // pixels of 15 twips.
  virtual TwipSize WorkAreaPixels() const = 0;
  // Text1's text, rows joined by CR LF.
  virtual void ShowNotes(std::u16string_view text) = 0;
  // Text1's size from the load step, in twips; its top-left corner stays where it is.
  virtual void SizeNotes(TwipSize size) = 0;
};

// The read-me window's load step, each time it is loaded: the notes, and the box as wide as
// the screen's work area and as high as the work area less room for the caption, so that a
// maximised window shows all of it, its scroll bar included.
void LoadReadMe(ReadMeView& view);

}  // namespace vbe

#pragma once

#include <string_view>

#include "forms/readme_window.h"

namespace vbe {

// The read-me window's controls as its behaviour sets them.
class ReadMeView {
 public:
  virtual ~ReadMeView() = default;

  // The whole screen's size in pixels (15 twips each).
  virtual TwipSize ScreenPixels() const = 0;
  // Text1's text, rows joined by CR LF.
  virtual void ShowNotes(std::u16string_view text) = 0;
  // Text1's size from the load step, in twips; its top-left corner stays where it is.
  virtual void SizeNotes(TwipSize size) = 0;
};

// The read-me window's load step, each time it is loaded: the notes, and SizeReadMeText (the
// box as wide as the whole screen and as high as the screen less room for the caption and the
// taskbar).
void LoadReadMe(ReadMeView& view);

}  // namespace vbe

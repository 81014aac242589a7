#include "app/readme.h"

#include "app/text_filter.h"

namespace vbe {

void LoadReadMe(ReadMeView& view) {
  view.ShowNotes(BindTextToUtf16(ReadMeText()));
  const TwipSize screen = view.ScreenPixels();
  view.SizeNotes(ReadMeTextTwips(screen.width, screen.height));
}

}  // namespace vbe

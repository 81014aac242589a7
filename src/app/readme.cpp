#include "app/readme.h"

#include "app/text_filter.h"

namespace vbe {

void LoadReadMe(ReadMeView& view) {
  view.ShowNotes(BindTextToUtf16(ReadMeText()));
  const TwipSize work_area = view.WorkAreaPixels();
  view.SizeNotes(ReadMeTextTwips(work_area.width, work_area.height));
}

}  // namespace vbe

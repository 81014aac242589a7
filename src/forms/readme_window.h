#pragma once

#include <string_view>

#include "forms/layout.h"

namespace vbe {

inline constexpr const char* ReadMeTitle = "ReadMe";
inline constexpr int ReadMeClientWidth = 4680;
inline constexpr int ReadMeClientHeight = 3195;

// Form3's one control: the notes, read-only, with a vertical scroll bar. Its size is replaced
// by the load step.
inline constexpr ControlRow ReadMeTextRow = MultiLineBox({.name = "Text1",
                                                          .place = {0, 0, 4395, 2355},
                                                          .tab = 0,
                                                          .font = FontName::Fixedsys,
                                                          .locked = true,
                                                          .spoken_name = "Read-me notes"});

// The read-me window's notes: Windows-1252 with CR LF line ends.
std::string_view ReadMeText();

struct TwipSize {
  int width;
  int height;
  bool operator==(const TwipSize&) const = default;
};

// The size of the read-me box on a screen whose work area (the screen less the desktop's panels
// and taskbar) is `width` by `height` pixels, in twips: the whole width, and the height less
// 662 twips, room for the window's caption.
TwipSize ReadMeTextTwips(int work_area_width, int work_area_height);

}  // namespace vbe

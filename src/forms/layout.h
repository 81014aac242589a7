// The editor's three windows as data, for every front end alike.
//
// Each window is a table of controls, one row a control: its name (Text1, Command4, ...), kind,
// caption, place and size in twips as the layout is drawn (15 twips make one pixel at 96 dots
// per inch), place in the tab order, font by name, colours and initial state. Beside the tables
// stand the windows' titles and sizes, the read-me text, the artwork's pixels and the windows'
// small rules (which line an arrow key moves to, when the preview follows an edit). A front end
// (qt/ on Linux, win32/ on Windows) only realises what is written here.
#pragma once

namespace vbe {

enum class ControlKind {
  PictureButton,  // a button with a 32 by 32 icon above its caption
  Button,
  LineEditor,    // single-line text box
  MultiLineBox,  // multi-line text box
  OptionButton,
  CheckBox,
  Label,
  Shape,       // a rectangle's outline
  ComboBox,    // editable drop-down, unsorted
  DriveList,   // the drives of the drive table
  FolderList,  // the open folders from the drive down, then the subfolders of the last
};

// The layout's fonts: "MS Sans Serif" 8.25 pt regular and bold, "Courier" 9.75 pt, "Fixedsys"
// 9 pt. A front end without them uses fonts of the same kind.
enum class FontName { Default, SansBold, Courier, Fixedsys };

// A colour of the layout: the kind's own default, red-green-blue, or a colour of the desktop's
// scheme named by its system colour index (7 menu text, 13 highlight, 14 highlight text, 20
// button highlight).
struct LayoutColour {
  enum class Kind { Default, Rgb, System } kind = Kind::Default;
  int value = 0;  // 0xRRGGBB for Rgb, the index for System
};

inline constexpr LayoutColour DefaultColour{};
constexpr LayoutColour Rgb(int r, int g, int b) {
  return {LayoutColour::Kind::Rgb, (r << 16) | (g << 8) | b};
}
constexpr LayoutColour SystemColour(int index) {
  return {LayoutColour::Kind::System, index};
}

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* caption;           // Windows-1252; "&" marks the access key
  int left, top, width, height;  // twips
  int tab;                       // place in the tab order; -1 for labels and shapes
  FontName font;
  LayoutColour background;
  LayoutColour text;  // for a shape, its outline
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  int max_length = 0;   // 0: no limit
  bool locked = false;  // read-only
  // What a screen reader calls a control that shows no caption of its own. A label of the same
  // window whose caption is this name becomes the control's label, which is how a screen reader
  // names a drop-down box.
  const char* spoken_name = nullptr;
  bool three_state = false;  // a check box whose click also steps through the greyed state
};

inline constexpr int TwipsPerPixel = 15;
constexpr int Pixels(int twips) {
  return twips / TwipsPerPixel;
}

}  // namespace vbe

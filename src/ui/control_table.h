// The editor's windows, built with Qt Widgets.
//
// Form1 is the main window. It owns the controls that hold the bind (Text1 to Text8, the
// colour options, the key chooser, the autoexec settings) and implements BindDocument over
// them, so the operations of core/ run on the real controls. Every control's place, size,
// caption, font and colours come from the control table below, one row a control, in twips as
// the layout is drawn; 15 twips make one device-independent pixel.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <functional>
#include <span>

class QWidget;

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

enum class FontName { Default, SansBold, Courier, Fixedsys };

// A colour of the layout: the kind's own default, red-green-blue, or a colour of the desktop's
// scheme named by its system colour index.
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
inline QRect PixelRect(const ControlRow& row) {
  return {Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height)};
}

inline constexpr int MainClientWidth = 10440;
inline constexpr int MainClientHeight = 6705;

std::span<const ControlRow> MainWindowControls();

// Makes every control of a window's table: `make` creates the control, which then gets its
// name, place, font (unless it is the window's own), spoken name and place in the tab order;
// labels and shapes take no focus, and a label names the control whose spoken name is its
// caption. `dress` finishes each control as its window wants it.
void PlaceControls(std::span<const ControlRow> rows,
                   const std::function<QWidget*(const ControlRow&)>& make,
                   const std::function<void(const ControlRow&, QWidget&)>& dress = {});

// Fonts and colours as the host can show them: a font the host lacks falls back to one of the
// same kind, and a system colour index to the palette role of the desktop's scheme.
QFont LayoutFont(FontName name);
QColor ResolveColour(LayoutColour colour, const QColor& fallback);

}  // namespace vbe

// The editor's three windows as data, for every front end alike.
//
// Each window is a table of controls, one row a control: its name (Text1, Command4, ...), kind,
// caption, place and size in twips as the layout is drawn (15 twips make one pixel at 96 dots
// per inch), place in the tab order, font by name, colours, initial state and the command its
// event carries to the window's behaviour (app/). Beside the tables stand the windows' titles
// and sizes, the read-me text and the artwork's pixels. A front end (qt/ on Linux, win32/ on
// Windows) only realises what is written here.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

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

// What a control of the main window asks its behaviour to do: a button's click, Check1's and
// the options' clicks.
enum class MainCommand : std::uint8_t {
  None,
  NewBind,
  StopCue,
  OpenBind,
  SaveBind,
  UpdatePreview,
  Exit,
  Locate,
  ReadMe,
  SpacingFixer,
  AutoPreview,  // Check1 clicked
  UseWhite,     // Option1 clicked
  UseYellow,    // Option2 clicked
};

// What a control of the locator window asks: the drive list's change, the folder list's
// opening of a folder (double-click or Return), the two buttons.
enum class LocatorCommand : std::uint8_t { None, ChangeDrive, OpenFolder, Ok, Cancel };

// The command a control's event carries; a row holds the command of its own window.
struct ControlCommand {
  constexpr ControlCommand() = default;
  constexpr ControlCommand(MainCommand command) : main(command) {}        // NOLINT: implicit
  constexpr ControlCommand(LocatorCommand command) : locator(command) {}  // NOLINT: implicit
  MainCommand main = MainCommand::None;
  LocatorCommand locator = LocatorCommand::None;
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
  constexpr bool operator==(const LayoutColour&) const = default;
};

inline constexpr LayoutColour DefaultColour{};
constexpr LayoutColour Rgb(int r, int g, int b) {
  return {LayoutColour::Kind::Rgb, (r << 16) | (g << 8) | b};
}
constexpr LayoutColour SystemColour(int index) {
  return {LayoutColour::Kind::System, index};
}

// A control's place and size in twips.
struct TwipRect {
  int left, top, width, height;
};

// One control of a window. Rows are made by the constructors below, one per kind, whose named
// fields say what each value is.
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
  // What a screen reader calls a control that shows no caption of its own, or a button whose
  // caption does not say what it does. A label of the same window whose caption is this name
  // becomes the control's label, which is how a screen reader names a drop-down box.
  const char* spoken_name = nullptr;
  bool three_state = false;       // a check box whose click also steps through the greyed state
  ControlCommand command = {};    // what the control's event asks of the window's behaviour
  int line = 0;                   // a line editor of the bind: its line, 1 to 8
  const char* picture = nullptr;  // a picture button's artwork
};

// The fields every row has; the constructors below add what their kind needs.
constexpr ControlRow BasicRow(const char* name, ControlKind kind, const char* caption,
                              TwipRect place, int tab, FontName font) {
  return {.name = name,
          .kind = kind,
          .caption = caption,
          .left = place.left,
          .top = place.top,
          .width = place.width,
          .height = place.height,
          .tab = tab,
          .font = font,
          .background = DefaultColour,
          .text = DefaultColour};
}

struct ButtonFields {
  const char* name;
  const char* caption;
  TwipRect place;
  int tab;
  ControlCommand command;
  FontName font = FontName::Default;
  bool visible = true;
  bool enabled = true;
  const char* spoken_name = nullptr;  // for a caption that does not say what the button does
};
constexpr ControlRow Button(const ButtonFields& f) {
  ControlRow row = BasicRow(f.name, ControlKind::Button, f.caption, f.place, f.tab, f.font);
  row.visible = f.visible;
  row.enabled = f.enabled;
  row.command = f.command;
  row.spoken_name = f.spoken_name;
  return row;
}

struct PictureButtonFields {
  const char* name;
  const char* caption;
  const char* picture;  // the artwork's name
  TwipRect place;
  int tab;
  ControlCommand command;
};
constexpr ControlRow PictureButton(const PictureButtonFields& f) {
  ControlRow row =
      BasicRow(f.name, ControlKind::PictureButton, f.caption, f.place, f.tab, FontName::Default);
  row.command = f.command;
  row.picture = f.picture;
  return row;
}

struct LineEditorFields {
  const char* name;
  const char* text = "";  // the initial text
  TwipRect place;
  int tab;
  FontName font = FontName::Default;
  LayoutColour background = DefaultColour;
  LayoutColour text_colour = DefaultColour;
  int max_length = 0;
  bool locked = false;
  const char* spoken_name = nullptr;
  int line = 0;  // a line of the bind, 1 to 8; 0 for any other box
};
constexpr ControlRow LineEditor(const LineEditorFields& f) {
  ControlRow row = BasicRow(f.name, ControlKind::LineEditor, f.text, f.place, f.tab, f.font);
  row.background = f.background;
  row.text = f.text_colour;
  row.max_length = f.max_length;
  row.locked = f.locked;
  row.spoken_name = f.spoken_name;
  row.line = f.line;
  return row;
}

struct MultiLineBoxFields {
  const char* name;
  TwipRect place;
  int tab;
  FontName font = FontName::Default;
  LayoutColour background = DefaultColour;
  LayoutColour text_colour = DefaultColour;
  bool locked = false;
  const char* spoken_name = nullptr;
};
constexpr ControlRow MultiLineBox(const MultiLineBoxFields& f) {
  ControlRow row = BasicRow(f.name, ControlKind::MultiLineBox, "", f.place, f.tab, f.font);
  row.background = f.background;
  row.text = f.text_colour;
  row.locked = f.locked;
  row.spoken_name = f.spoken_name;
  return row;
}

struct LabelFields {
  const char* name;
  const char* caption;
  TwipRect place;
  FontName font = FontName::Default;
  LayoutColour text_colour = DefaultColour;
};
constexpr ControlRow Label(const LabelFields& f) {
  ControlRow row = BasicRow(f.name, ControlKind::Label, f.caption, f.place, -1, f.font);
  row.text = f.text_colour;
  return row;
}

// An option button or a check box on a coloured ground.
struct ChoiceFields {
  const char* name;
  const char* caption;
  TwipRect place;
  int tab;
  ControlCommand command = {};
  FontName font = FontName::Default;
  LayoutColour background = DefaultColour;
  LayoutColour text_colour = DefaultColour;
  bool checked = false;
  bool visible = true;
  bool three_state = false;  // check boxes only
};
constexpr ControlRow Choice(ControlKind kind, const ChoiceFields& f) {
  ControlRow row = BasicRow(f.name, kind, f.caption, f.place, f.tab, f.font);
  row.background = f.background;
  row.text = f.text_colour;
  row.visible = f.visible;
  row.checked = f.checked;
  row.three_state = f.three_state;
  row.command = f.command;
  return row;
}
constexpr ControlRow OptionButton(const ChoiceFields& f) {
  return Choice(ControlKind::OptionButton, f);
}
constexpr ControlRow CheckBox(const ChoiceFields& f) {
  return Choice(ControlKind::CheckBox, f);
}

struct ShapeFields {
  const char* name;
  TwipRect place;
  LayoutColour outline;
};
constexpr ControlRow Shape(const ShapeFields& f) {
  ControlRow row = BasicRow(f.name, ControlKind::Shape, "", f.place, -1, FontName::Default);
  row.text = f.outline;
  return row;
}

// The editable drop-down box, and the locator's two lists.
struct ListFields {
  const char* name;
  const char* text = "";  // a drop-down box's initial text
  TwipRect place;
  int tab;
  FontName font = FontName::Default;
  const char* spoken_name = nullptr;
  ControlCommand command = {};
};
constexpr ControlRow List(ControlKind kind, const ListFields& f) {
  ControlRow row = BasicRow(f.name, kind, f.text, f.place, f.tab, f.font);
  row.spoken_name = f.spoken_name;
  row.command = f.command;
  return row;
}
constexpr ControlRow ComboBox(const ListFields& f) {
  return List(ControlKind::ComboBox, f);
}
constexpr ControlRow DriveList(const ListFields& f) {
  return List(ControlKind::DriveList, f);
}
constexpr ControlRow FolderList(const ListFields& f) {
  return List(ControlKind::FolderList, f);
}

// The row of the control named `name`; a name the table lacks is a fault of the program.
inline const ControlRow& RowNamed(std::span<const ControlRow> rows, std::string_view name) {
  for (const ControlRow& row : rows) {
    if (name == row.name) return row;
  }
  throw std::logic_error("no control " + std::string(name));
}

inline constexpr int TwipsPerPixel = 15;
constexpr int Pixels(int twips) {
  return twips / TwipsPerPixel;
}

}  // namespace vbe

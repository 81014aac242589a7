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
  // What a screen reader calls a control that shows no caption of its own. A label of the same
  // window whose caption is this name becomes the control's label, which is how a screen reader
  // names a drop-down box.
  const char* spoken_name = nullptr;
  bool three_state = false;       // a check box whose click also steps through the greyed state
  ControlCommand command = {};    // what the control's event asks of the window's behaviour
  int line = 0;                   // a line editor of the bind: its line, 1 to 8
  const char* picture = nullptr;  // a picture button's artwork
};

struct ButtonFields {
  const char* name;
  const char* caption;
  TwipRect place;
  int tab;
  ControlCommand command;
  FontName font = FontName::Default;
  bool visible = true;
  bool enabled = true;
};
constexpr ControlRow Button(const ButtonFields& f) {
  return {.name = f.name,
          .kind = ControlKind::Button,
          .caption = f.caption,
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = f.tab,
          .font = f.font,
          .background = DefaultColour,
          .text = DefaultColour,
          .visible = f.visible,
          .enabled = f.enabled,
          .command = f.command};
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
  return {.name = f.name,
          .kind = ControlKind::PictureButton,
          .caption = f.caption,
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = f.tab,
          .font = FontName::Default,
          .background = DefaultColour,
          .text = DefaultColour,
          .command = f.command,
          .picture = f.picture};
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
  return {.name = f.name,
          .kind = ControlKind::LineEditor,
          .caption = f.text,
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = f.tab,
          .font = f.font,
          .background = f.background,
          .text = f.text_colour,
          .max_length = f.max_length,
          .locked = f.locked,
          .spoken_name = f.spoken_name,
          .line = f.line};
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
  return {.name = f.name,
          .kind = ControlKind::MultiLineBox,
          .caption = "",
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = f.tab,
          .font = f.font,
          .background = f.background,
          .text = f.text_colour,
          .locked = f.locked,
          .spoken_name = f.spoken_name};
}

struct LabelFields {
  const char* name;
  const char* caption;
  TwipRect place;
  FontName font = FontName::Default;
  LayoutColour text_colour = DefaultColour;
};
constexpr ControlRow Label(const LabelFields& f) {
  return {.name = f.name,
          .kind = ControlKind::Label,
          .caption = f.caption,
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = -1,
          .font = f.font,
          .background = DefaultColour,
          .text = f.text_colour};
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
  return {.name = f.name,
          .kind = kind,
          .caption = f.caption,
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = f.tab,
          .font = f.font,
          .background = f.background,
          .text = f.text_colour,
          .visible = f.visible,
          .checked = f.checked,
          .three_state = f.three_state,
          .command = f.command};
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
  return {.name = f.name,
          .kind = ControlKind::Shape,
          .caption = "",
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = -1,
          .font = FontName::Default,
          .background = DefaultColour,
          .text = f.outline};
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
  return {.name = f.name,
          .kind = kind,
          .caption = f.text,
          .left = f.place.left,
          .top = f.place.top,
          .width = f.place.width,
          .height = f.place.height,
          .tab = f.tab,
          .font = f.font,
          .background = DefaultColour,
          .text = DefaultColour,
          .spoken_name = f.spoken_name,
          .command = f.command};
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

inline constexpr int TwipsPerPixel = 15;
constexpr int Pixels(int twips) {
  return twips / TwipsPerPixel;
}

}  // namespace vbe

// A window's controls as its behaviour reads and sets them, one interface for every window.
//
// A control is named by its row in the window's table of forms/; a front end implements this
// once over the controls it realised from a table, and every window's behaviour uses it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "forms/layout.h"

namespace vbe {

// One item of a list. The folder list shows each item `depth` steps in, as an open folder or
// not; the other lists show the text alone.
struct ListItem {
  std::u16string text;
  int depth = 0;
  bool open = false;
  bool operator==(const ListItem&) const = default;
};

class Controls {
 public:
  virtual ~Controls() = default;

  // A text box's or drop-down box's text (a multi-line box's rows joined by CR LF), a list's
  // shown item.
  virtual std::u16string Text(const ControlRow& row) const = 0;
  // Replaces the whole text. A line editor takes it as any other edit: its change event follows,
  // and the front end forwards it.
  virtual void SetText(const ControlRow& row, std::u16string_view text) = 0;
  // Selects characters [from, to) of a line editor and types `text` over them: one change, the
  // caret after `text`.
  virtual void ReplaceText(const ControlRow& row, int from, int to, std::u16string_view text) = 0;
  // Replaces row `index` (from 0) of a multi-line box, leaving the others as they are.
  virtual void SetTextRow(const ControlRow& row, int index, std::u16string_view text) = 0;
  virtual void SetTextColour(const ControlRow& row, LayoutColour colour) = 0;

  // A check box's state (0 cleared, 1 checked, 2 greyed) or an option button's (0 or 1).
  // Setting it sends no click; checking an option clears the others of its group.
  virtual int Check(const ControlRow& row) const = 0;
  virtual void SetCheck(const ControlRow& row, int state) = 0;

  virtual void Enable(const ControlRow& row, bool enabled) = 0;
  // Gives the control the focus as a program does, selecting nothing.
  virtual void Focus(const ControlRow& row) = 0;

  // Appends items to a drop-down box's list; its text stays as it is.
  virtual void AddItems(const ControlRow& row, std::span<const std::u16string> items) = 0;
  // Replaces a list's items and selects item `selected` (-1 none), sending no change.
  virtual void SetItems(const ControlRow& row, std::span<const ListItem> items, int selected) = 0;
  // The list's selected item; -1 when none is.
  virtual int Selection(const ControlRow& row) const = 0;
};

}  // namespace vbe

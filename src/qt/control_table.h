// Realising a window's table of forms/ with Qt Widgets: places, fonts and colours; the
// windows themselves are described in main_window_widget.h.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <vector>

#include "app/controls.h"
#include "forms/layout.h"
#include "forms/readable_colours.h"

namespace vbe {

inline QRect PixelRect(const ControlRow& row) {
  return {Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height)};
}
// A length in twips at the window's own `scale` (1 as the layout is drawn), in pixels.
inline int ScaledPixels(int twips, qreal scale) {
  return qRound(twips * scale / TwipsPerPixel);
}

// A window's controls as its table gives them, and the one way every window's behaviour reads
// and sets them (app/controls.h).
class ControlSet : public Controls {
 public:
  // Makes every control of the table in `window`, as its kind is realised here, with its name,
  // place, font (unless it is the window's own), colours, initial state, spoken name and place
  // in the tab order; labels and shapes take no focus, and a label names the control whose
  // spoken name is its caption. `wire` connects each control's events to the window's behaviour.
  void Build(std::span<const ControlRow> rows, QWidget* window,
             const std::function<void(const ControlRow&, QWidget&)>& wire);
  // Places every control again at the window's own `scale` (1 as the layout is drawn), in its
  // font at that scale, its caption fitted again; a picture button's icon grows with it.
  void Place(qreal scale);
  // The control of a row of the table.
  QWidget* Widget(const ControlRow& row) const;
  // What the window shows behind controls without a ground of their own; before Build.
  void SetGround(LayoutColour ground) { ground_ = ground; }
  // Every control's colours again, from the application's palette as it is now; Build makes
  // the window do this whenever its palette changes.
  void Recolour();

  std::u16string Text(const ControlRow& row) const override;
  void SetText(const ControlRow& row, std::u16string_view text) override;
  void ReplaceText(const ControlRow& row, int from, int to, std::u16string_view text) override;
  void SetTextRow(const ControlRow& row, int index, std::u16string_view text) override;
  void SetTextColour(const ControlRow& row, LayoutColour colour) override;
  int Check(const ControlRow& row) const override;
  void SetCheck(const ControlRow& row, int state) override;
  void Enable(const ControlRow& row, bool enabled) override;
  void Focus(const ControlRow& row) override;
  void AddItems(const ControlRow& row, std::span<const std::u16string> items) override;
  void SetItems(const ControlRow& row, std::span<const ListItem> items, int selected) override;
  int Selection(const ControlRow& row) const override;

 private:
  template <typename T>
  T* As(const ControlRow& row) const {
    return static_cast<T*>(Widget(row));
  }

  std::span<const ControlRow> rows_;
  std::vector<QWidget*> widgets_;           // one a row
  std::vector<LayoutColour> text_colours_;  // one a row, as the behaviour last set it
  LayoutColour ground_ = DefaultColour;
};

// A window's control by its name in the window's table. A control missing from the window is a
// fault of the program, not of the user: it ends the program with the name, rather than a
// null pointer met later.
template <typename T>
T& Child(QWidget& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromLatin1(name));
  if (!control)
    qFatal("%s has no control %s of the kind wanted", qPrintable(window.objectName()), name);
  return *control;
}

// Fonts and colours as the host can show them: a font the host lacks falls back to one of the
// same kind, and a system colour index to the palette role of the desktop's scheme.
QFont LayoutFont(FontName name, qreal scale = 1);
QColor ResolveColour(LayoutColour colour, const QColor& fallback);
// The desktop's scheme as the palette gives it, for choosing readable pairs.
SystemColours PaletteColours(const QPalette& palette);

}  // namespace vbe

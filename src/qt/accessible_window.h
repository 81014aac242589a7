#pragma once

class QWidget;

namespace vbe {

// Makes `window` speak to screen readers as a window named by its title, whose children are
// the controls it shows: controls hidden for good (the work fields, the hidden buttons) and the
// outline shapes, which only draw, are left out. Call it before the window is first shown.
void ExposeAsWindow(QWidget* window);

// Marks a control that only draws, such as a rectangle's outline, so that screen readers skip it.
void MarkAsDecoration(QWidget* control);

}  // namespace vbe

#include "qt/control_table.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <vector>

namespace vbe {
void PlaceControls(std::span<const ControlRow> rows,
                   const std::function<QWidget*(const ControlRow&)>& make,
                   const std::function<void(const ControlRow&, QWidget&)>& dress) {
  std::vector<std::pair<int, QWidget*>> tab_order;
  std::vector<std::pair<const ControlRow*, QWidget*>> placed;
  for (const ControlRow& row : rows) {
    QWidget* control = make(row);
    control->setObjectName(row.name);
    control->setGeometry(PixelRect(row));
    // Controls in the window's own font inherit it; setting it again costs a font change each.
    if (row.font != FontName::Default) control->setFont(LayoutFont(row.font));
    if (row.spoken_name) {
      control->setAccessibleName(QString::fromLatin1(row.spoken_name));
      // An editable drop-down box hands the focus to its typing box, which is what is heard.
      if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->setAccessibleName(control->accessibleName());
      }
    }
    if (dress) dress(row, *control);
    if (row.tab >= 0) {
      tab_order.emplace_back(row.tab, control);
    } else {
      control->setFocusPolicy(Qt::NoFocus);
    }
    placed.emplace_back(&row, control);
  }
  for (const auto& [label_row, label] : placed) {
    if (label_row->kind != ControlKind::Label) continue;
    for (const auto& [row, control] : placed) {
      if (row->spoken_name && std::strcmp(row->spoken_name, label_row->caption) == 0) {
        static_cast<QLabel*>(label)->setBuddy(control);
      }
    }
  }
  std::sort(tab_order.begin(), tab_order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    QWidget::setTabOrder(tab_order[i - 1].second, tab_order[i].second);
  }
}

namespace {

// The first of the wanted families that is installed, looked up in the font list once, so
// that no font lookup at start-up wanders through the host's substitution rules.
QString InstalledFamily(std::initializer_list<const char*> wanted) {
  static const QStringList installed = QFontDatabase::families();
  for (const char* family : wanted) {
    for (const QString& have : installed) {
      if (have.compare(QLatin1String(family), Qt::CaseInsensitive) == 0) return have;
    }
  }
  return {};
}

QFont MakeLayoutFont(FontName name) {
  QFont font;
  const bool fixed = name == FontName::Courier || name == FontName::Fixedsys;
  QString family;
  switch (name) {
    case FontName::Default:
    case FontName::SansBold:
      family = InstalledFamily(
          {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans"});
      font.setPointSizeF(8.25);
      font.setBold(name == FontName::SansBold);
      break;
    case FontName::Courier:
      family = InstalledFamily({"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
      font.setPointSizeF(9.75);
      break;
    case FontName::Fixedsys:
      family = InstalledFamily({"Fixedsys"});
      if (!family.isEmpty()) {
        font.setPointSizeF(9);
        break;
      }
      // Fixedsys draws letters about as wide as Courier's at 9.75 points; without it the
      // preview uses the line editors' font, so rows line up the same in both.
      return MakeLayoutFont(FontName::Courier);
  }
  font.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
  font.setHintingPreference(QFont::PreferNoHinting);
  if (!family.isEmpty()) font.setFamily(family);
  font.setFixedPitch(fixed);
  return font;
}

}  // namespace

QFont LayoutFont(FontName name) {
  static const QFont fonts[] = {
      MakeLayoutFont(FontName::Default), MakeLayoutFont(FontName::SansBold),
      MakeLayoutFont(FontName::Courier), MakeLayoutFont(FontName::Fixedsys)};
  return fonts[static_cast<int>(name)];
}

QColor ResolveColour(LayoutColour colour, const QColor& fallback) {
  switch (colour.kind) {
    case LayoutColour::Kind::Default:
      return fallback;
    case LayoutColour::Kind::Rgb:
      return QColor((colour.value >> 16) & 0xFF, (colour.value >> 8) & 0xFF, colour.value & 0xFF);
    case LayoutColour::Kind::System: {
      const QPalette palette = QApplication::palette();
      switch (colour.value) {
        case 7:
          return palette.color(QPalette::WindowText);  // menu text
        case 13:
          return palette.color(QPalette::Highlight);
        case 14:
          return palette.color(QPalette::HighlightedText);
        case 20:
          return palette.color(QPalette::Light);  // button highlight
        default:
          return fallback;
      }
    }
  }
  return fallback;
}

}  // namespace vbe

#include "qt/control_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <vector>

#include "app/text_filter.h"
#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"
#include "qt/line_input.h"

namespace vbe {
namespace {

// A rectangle's outline; it takes no focus and lets clicks through.
class OutlineShape : public QWidget {
 public:
  OutlineShape(const QColor& outline, QWidget* parent) : QWidget(parent), outline_(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    MarkAsDecoration(this);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(outline_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QColor outline_;
};

// The text boxes' frame as a plain one-pixel rectangle in the style's own colours. Drawn with
// straight lines it costs a fraction of the rounded, smoothed frame, and the main window has
// nine of them in its first frame.
class PlainFrameStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_PanelLineEdit && element != PE_FrameLineEdit) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    const QRect frame = option->rect.adjusted(0, 0, -1, -1);
    if (element == PE_PanelLineEdit) painter->fillRect(option->rect, option->palette.base());
    const bool focused = option->state & State_HasFocus;
    painter->setPen(focused ? option->palette.highlight().color()
                            : option->palette.window().color().darker(150));
    painter->drawRect(frame);
  }
};

QStyle* PlainFrames() {
  static PlainFrameStyle* style = new PlainFrameStyle;  // lives as long as the program
  return style;
}

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
  const QString caption = BindTextToQString(row.caption);
  switch (row.kind) {
    case ControlKind::PictureButton: {
      auto* button = new QToolButton(parent);
      button->setText(caption);
      button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      button->setIconSize(QSize(32, 32));
      button->setIcon(ArtworkIcon(row.picture));
      button->setFocusPolicy(Qt::StrongFocus);
      return button;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::LineEditor: {
      auto* editor = new QLineEdit(caption, parent);
      editor->setReadOnly(row.locked);
      if (!row.locked) FilterLineInput(editor, static_cast<std::size_t>(row.max_length));
      editor->setStyle(PlainFrames());
      return editor;
    }
    case ControlKind::MultiLineBox: {
      auto* box = new QPlainTextEdit(caption, parent);
      box->setReadOnly(row.locked);
      box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
      box->setLineWrapMode(QPlainTextEdit::NoWrap);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      // The preview's rows are replaced one by one; the read-only box keeps no undo history.
      box->setUndoRedoEnabled(false);
      // It stands inside the preview's outline, without a frame of its own (as on Windows), and
      // with a narrow margin: eight rows of its font fit its height at every scale.
      box->setFrameShape(QFrame::NoFrame);
      box->document()->setDocumentMargin(2);
      return box;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(caption, parent);
      option->setChecked(row.checked);
      return option;
    }
    case ControlKind::CheckBox: {
      auto* check = new QCheckBox(caption, parent);
      check->setTristate(row.three_state);
      check->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
      return check;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::Shape:
      return new OutlineShape(ResolveColour(row.text, Qt::black), parent);
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      FilterLineInput(combo->lineEdit(), NoLengthLimit);
      combo->setEditText(caption);
      return combo;
    }
    case ControlKind::DriveList:
      return new QComboBox(parent);
    case ControlKind::FolderList: {
      // Each open folder indented under the one before, then the subfolders of the last.
      // Nothing folds away: a double-click opens a folder.
      auto* tree = new QTreeWidget(parent);
      tree->setHeaderHidden(true);
      tree->setRootIsDecorated(false);
      tree->setItemsExpandable(false);
      tree->setExpandsOnDoubleClick(false);
      tree->setStyleSheet("QTreeView::branch { image: none; border-image: none; }");
      tree->setIndentation(10);
      tree->setUniformRowHeights(true);
      tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
      return tree;
    }
  }
  return nullptr;
}

// The row's colours as a readable pair; rows in the scheme's own colours are left to follow it.
void ApplyColours(const ControlRow& row, LayoutColour text, QWidget* control,
                  const SystemColours& system, LayoutColour ground) {
  if (row.kind == ControlKind::Shape || (row.background == DefaultColour && text == DefaultColour))
    return;
  const ColourPair pair = ReadableColours(row, text, system, ground);
  const auto colour = [](RgbValue rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); };
  QPalette palette = control->palette();
  if (row.kind == ControlKind::LineEditor || row.kind == ControlKind::MultiLineBox) {
    palette.setColor(QPalette::Base, colour(pair.background));
    palette.setColor(QPalette::Text, colour(pair.text));
  } else {
    // Without a ground of its own the control shows the window's through itself.
    if (row.background != DefaultColour) {
      palette.setColor(control->backgroundRole(), colour(pair.background));
      control->setAutoFillBackground(true);
    }
    palette.setColor(QPalette::WindowText, colour(pair.text));
  }
  control->setPalette(palette);
}

// Re-resolves a window's colours when the application's palette changes, as it does when the
// desktop's scheme changes; the application object alone hears of it.
class SchemeWatch : public QObject {
 public:
  SchemeWatch(QWidget* window, std::function<void()> recolour)
      : QObject(window), recolour_(std::move(recolour)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) recolour_();
    return false;
  }

 private:
  std::function<void()> recolour_;
};

// A caption drawn in a fallback font may be wider than its control; slightly tighter letters
// keep the whole caption in the place the layout gives it. Spacing, unlike a smaller size,
// needs no font of its own to be loaded.
void FitCaption(QWidget* control, const QString& caption) {
  int room = control->width();
  if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
    const QStyle* style = control->style();
    room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, control) +
            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, control) + 2;
  } else if (!qobject_cast<QLabel*>(control)) {
    return;
  }
  QFont font = control->font();
  // The sum of the letters' advances: close enough to the drawn width, and it needs no shaping.
  const QFontMetricsF metrics(font);
  qreal width = 0;
  for (QChar c : caption) width += metrics.horizontalAdvance(c);
  if (width <= room || width == 0) return;
  // Two pixels to spare: hinting on the screen may draw a little wider than measured.
  font.setLetterSpacing(QFont::PercentageSpacing, std::max(85.0, 100.0 * (room - 2) / width));
  control->setFont(font);
}

}  // namespace

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

QFont LayoutFont(FontName name, qreal scale) {
  static const QFont fonts[] = {
      MakeLayoutFont(FontName::Default), MakeLayoutFont(FontName::SansBold),
      MakeLayoutFont(FontName::Courier), MakeLayoutFont(FontName::Fixedsys)};
  QFont font = fonts[static_cast<int>(name)];
  if (scale != 1) font.setPointSizeF(font.pointSizeF() * scale);
  return font;
}

SystemColours PaletteColours(const QPalette& palette) {
  const auto rgb = [&](QPalette::ColorRole role) {
    return static_cast<RgbValue>(palette.color(role).rgb() & 0xFFFFFF);
  };
  SystemColours system;
  system.by_index[7] = rgb(QPalette::WindowText);  // menu text
  system.by_index[13] = rgb(QPalette::Highlight);
  system.by_index[14] = rgb(QPalette::HighlightedText);
  system.by_index[20] = rgb(QPalette::Light);  // button highlight
  system.base = {rgb(QPalette::Base), rgb(QPalette::Text)};
  system.window = {rgb(QPalette::Window), rgb(QPalette::WindowText)};
  system.button = {rgb(QPalette::Button), rgb(QPalette::ButtonText)};
  return system;
}

QColor ResolveColour(LayoutColour colour, const QColor& fallback) {
  switch (colour.kind) {
    case LayoutColour::Kind::Default:
      return fallback;
    case LayoutColour::Kind::Rgb:
      return QColor((colour.value >> 16) & 0xFF, (colour.value >> 8) & 0xFF, colour.value & 0xFF);
    case LayoutColour::Kind::System:
      if (colour.value == 7 || colour.value == 13 || colour.value == 14 || colour.value == 20) {
        return QColor::fromRgb(
            static_cast<QRgb>(PaletteColours(QApplication::palette())
                                  .by_index[static_cast<std::size_t>(colour.value)]));
      }
      return fallback;
  }
  return fallback;
}

void ControlSet::Build(std::span<const ControlRow> rows, QWidget* window,
                       const std::function<void(const ControlRow&, QWidget&)>& wire) {
  rows_ = rows;
  widgets_.clear();
  text_colours_.clear();
  const SystemColours system = PaletteColours(QApplication::palette());
  std::vector<std::pair<int, QWidget*>> tab_order;
  std::vector<std::pair<const ControlRow*, QWidget*>> placed;
  for (const ControlRow& row : rows) {
    QWidget* control = MakeControl(row, window);
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
    ApplyColours(row, row.text, control, system, ground_);
    auto* label = qobject_cast<QLabel*>(control);
    // A label with room for more than one row wraps its caption; any other is fitted to one.
    if (label && label->height() >= 2 * label->fontMetrics().height()) {
      label->setWordWrap(true);
    } else {
      FitCaption(control, label ? label->text() : BindTextToQString(row.caption));
    }
    if (!row.enabled) control->setEnabled(false);
    if (!row.visible) control->setVisible(false);
    if (wire) wire(row, *control);
    if (row.tab >= 0) {
      tab_order.emplace_back(row.tab, control);
    } else {
      control->setFocusPolicy(Qt::NoFocus);
    }
    placed.emplace_back(&row, control);
    widgets_.push_back(control);
    text_colours_.push_back(row.text);
  }
  new SchemeWatch(window, [this] { Recolour(); });
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

void ControlSet::Place(qreal scale) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const ControlRow& row = rows_[i];
    QWidget* control = widgets_[i];
    control->setGeometry(ScaledPixels(row.left, scale), ScaledPixels(row.top, scale),
                         ScaledPixels(row.width, scale), ScaledPixels(row.height, scale));
    control->setFont(LayoutFont(row.font, scale));
    if (auto* button = qobject_cast<QToolButton*>(control)) {
      button->setIconSize(QSize(32, 32) * scale);
    }
    auto* label = qobject_cast<QLabel*>(control);
    if (!label || !label->wordWrap()) FitCaption(control, BindTextToQString(row.caption));
  }
}

QWidget* ControlSet::Widget(const ControlRow& row) const {
  const auto index = static_cast<std::size_t>(&row - rows_.data());
  if (index >= widgets_.size()) qFatal("%s is no control of this window", row.name);
  return widgets_[index];
}

std::u16string ControlSet::Text(const ControlRow& row) const {
  switch (row.kind) {
    case ControlKind::LineEditor:
      return ToUtf16(As<QLineEdit>(row)->text());
    case ControlKind::MultiLineBox:
      return ToUtf16(As<QPlainTextEdit>(row)->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
    case ControlKind::ComboBox:
    case ControlKind::DriveList:
      return ToUtf16(As<QComboBox>(row)->currentText());
    default:
      return ToUtf16(Widget(row)->property("text").toString());
  }
}

void ControlSet::SetText(const ControlRow& row, std::u16string_view text) {
  switch (row.kind) {
    case ControlKind::LineEditor: {
      auto* editor = As<QLineEdit>(row);
      editor->setText(ToQString(text));
      // A read-only box shows the start of a text longer than itself.
      if (row.locked) editor->setCursorPosition(0);
      break;
    }
    case ControlKind::MultiLineBox:
      As<QPlainTextEdit>(row)->setPlainText(RowsToQString(text));
      break;
    case ControlKind::ComboBox:
      As<QComboBox>(row)->setEditText(ToQString(text));
      break;
    default:
      Widget(row)->setProperty("text", ToQString(text));
  }
}

void ControlSet::ReplaceText(const ControlRow& row, int from, int to, std::u16string_view text) {
  auto* editor = As<QLineEdit>(row);
  editor->setSelection(from, to - from);
  editor->insert(ToQString(text));
}

// The row is selected by position and replaced inside an edit block: that way the cursor never
// lays the row out to find its own place, and the box lays it out once, to paint it.
void ControlSet::SetTextRow(const ControlRow& row, int index, std::u16string_view text) {
  const QTextBlock block = As<QPlainTextEdit>(row)->document()->findBlockByNumber(index);
  const QString shown = ToQString(text);
  if (!block.isValid() || block.text() == shown) return;
  QTextCursor cursor(block);
  cursor.beginEditBlock();
  cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  cursor.insertText(shown);
  cursor.endEditBlock();
}

void ControlSet::SetTextColour(const ControlRow& row, LayoutColour colour) {
  const auto index = static_cast<std::size_t>(&row - rows_.data());
  text_colours_.at(index) = colour;
  ApplyColours(row, colour, Widget(row), PaletteColours(QApplication::palette()), ground_);
}

void ControlSet::Recolour() {
  const SystemColours system = PaletteColours(QApplication::palette());
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    ApplyColours(rows_[i], text_colours_[i], widgets_[i], system, ground_);
  }
}

int ControlSet::Check(const ControlRow& row) const {
  if (row.kind == ControlKind::CheckBox) {
    switch (As<QCheckBox>(row)->checkState()) {
      case Qt::Checked:
        return 1;
      case Qt::PartiallyChecked:
        return 2;
      default:
        return 0;
    }
  }
  return As<QAbstractButton>(row)->isChecked() ? 1 : 0;
}

void ControlSet::SetCheck(const ControlRow& row, int state) {
  if (row.kind == ControlKind::CheckBox) {
    As<QCheckBox>(row)->setCheckState(state == 2   ? Qt::PartiallyChecked
                                      : state == 1 ? Qt::Checked
                                                   : Qt::Unchecked);
  } else {
    As<QAbstractButton>(row)->setChecked(state == 1);
  }
}

void ControlSet::Enable(const ControlRow& row, bool enabled) {
  Widget(row)->setEnabled(enabled);
}

// Not a tab reason: that would select the whole text of a line editor.
void ControlSet::Focus(const ControlRow& row) {
  Widget(row)->setFocus(Qt::OtherFocusReason);
}

void ControlSet::AddItems(const ControlRow& row, std::span<const std::u16string> items) {
  auto* combo = As<QComboBox>(row);
  // The first item added to an empty list would become the current one and replace the text.
  const QString text = combo->currentText();
  const int index = combo->currentIndex();
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::u16string& item : items) list << ToQString(item);
  combo->addItems(list);  // one insertion for the whole list
  combo->setCurrentIndex(index);
  combo->setEditText(text);
}

void ControlSet::SetItems(const ControlRow& row, std::span<const ListItem> items, int selected) {
  if (row.kind != ControlKind::FolderList) {
    auto* combo = As<QComboBox>(row);
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const ListItem& item : items) combo->addItem(ToQString(item.text));
    combo->setCurrentIndex(selected);
    return;
  }
  auto* tree = As<QTreeWidget>(row);
  tree->clear();
  const QIcon open_icon = tree->style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = tree->style()->standardIcon(QStyle::SP_DirClosedIcon);
  std::vector<QTreeWidgetItem*> open;  // the open folder at each depth
  QTreeWidgetItem* highlighted = nullptr;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ListItem& item = items[i];
    const auto depth = static_cast<std::size_t>(item.depth);
    auto* shown = depth == 0 || depth > open.size() ? new QTreeWidgetItem(tree)
                                                    : new QTreeWidgetItem(open[depth - 1]);
    shown->setText(0, ToQString(item.text));
    shown->setIcon(0, item.open ? open_icon : closed_icon);
    shown->setData(0, Qt::UserRole, static_cast<int>(i));
    if (item.open) {
      open.resize(depth);
      open.push_back(shown);
    }
    if (static_cast<int>(i) == selected) highlighted = shown;
  }
  tree->expandAll();
  if (highlighted) {
    tree->setCurrentItem(highlighted);
    tree->scrollToItem(highlighted);
  }
}

int ControlSet::Selection(const ControlRow& row) const {
  if (row.kind != ControlKind::FolderList) return As<QComboBox>(row)->currentIndex();
  const QTreeWidgetItem* item = As<QTreeWidget>(row)->currentItem();
  return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

}  // namespace vbe

// The three windows under a light and a dark desktop scheme: every control's text against the
// ground it is drawn on.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "forms/readable_colours.h"
#include "qt/locator_widget.h"
#include "qt/main_window_fixture.h"
#include "qt/readme_widget.h"

namespace vbe {
namespace {

// What Qt makes of GNOME's dark scheme through its GTK platform theme: light text colours, the
// highlight's text as light as the window text, and a dim button highlight.
QPalette DarkScheme() {
  QPalette dark;
  const std::pair<QPalette::ColorRole, const char*> roles[] = {
      {QPalette::WindowText, "#f0f0f0"}, {QPalette::Button, "#323232"},
      {QPalette::Light, "#4b4b4b"},      {QPalette::Midlight, "#2a2a2a"},
      {QPalette::Dark, "#212121"},       {QPalette::Mid, "#262626"},
      {QPalette::Text, "#f0f0f0"},       {QPalette::BrightText, "#4b4b4b"},
      {QPalette::ButtonText, "#f0f0f0"}, {QPalette::Base, "#242424"},
      {QPalette::Window, "#323232"},     {QPalette::Shadow, "#191919"},
      {QPalette::Highlight, "#308cc6"},  {QPalette::HighlightedText, "#f0f0f0"}};
  for (const auto& [role, name] : roles) dark.setColor(role, QColor(name));
  return dark;
}

RgbValue RgbOf(const QColor& colour) {
  return static_cast<RgbValue>(colour.rgb() & 0xFFFFFF);
}

class Scheme : public testing::MainWindowTest {
 protected:
  ~Scheme() override { QApplication::setPalette(before_); }

  // The pair each shown control of `window` is drawn in; a control that does not fill its own
  // ground shows the window's as the window paints it.
  static std::vector<std::pair<QString, ColourPair>> Drawn(QWidget* window) {
    QImage ground(window->size(), QImage::Format_RGB32);
    window->render(&ground, {}, {}, QWidget::DrawWindowBackground);
    std::vector<std::pair<QString, ColourPair>> drawn;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!control->isVisibleTo(window) || control->objectName().startsWith("Shape")) continue;
      const QPalette& palette = control->palette();
      ColourPair pair{};
      if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
          qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control)) {
        pair = {RgbOf(palette.color(QPalette::Base)), RgbOf(palette.color(QPalette::Text))};
      } else if (qobject_cast<QAbstractButton*>(control) && !qobject_cast<QCheckBox*>(control) &&
                 !qobject_cast<QRadioButton*>(control)) {
        pair = {RgbOf(palette.color(QPalette::Button)), RgbOf(palette.color(QPalette::ButtonText))};
      } else {
        const QColor behind = control->autoFillBackground()
                                  ? palette.color(control->backgroundRole())
                                  : ground.pixelColor(control->geometry().center());
        pair = {RgbOf(behind), RgbOf(palette.color(QPalette::WindowText))};
      }
      drawn.emplace_back(window->objectName() + "." + control->objectName(), pair);
    }
    return drawn;
  }

  QPalette before_ = QApplication::palette();
};

TEST_F(Scheme, EveryControlOfTheThreeWindowsReadsInALightAndADarkPaletteAndAfterAChange) {
  const QPalette light = QApplication::style()->standardPalette();
  const struct Step {
    const char* what;
    QPalette palette;
    bool build;
    ColourPair line;  // a line editor follows the scheme
  } steps[] = {{"built dark", DarkScheme(), true, {0x242424, 0xF0F0F0}},
               {"changed to light", light, false, {0xFFFFFF, 0x000000}},
               {"changed back to dark", DarkScheme(), false, {0x242424, 0xF0F0F0}}};
  for (const Step& step : steps) {
    QApplication::setPalette(step.palette);
    if (step.build) {
      Build();
      form->show();
      Click("Command7");
      Click("Command8");
    }
    SetLines({"MMMM", "WWWW"});
    QList<QWidget*> windows = {form.get()};
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if ((dynamic_cast<LocatorWidget*>(window) || dynamic_cast<ReadMeWidget*>(window)) &&
          window->isVisible())
        windows << window;
    }
    ASSERT_EQ(windows.size(), 3) << step.what;
    const QPalette& line = Editor(1)->palette();
    EXPECT_EQ(RgbOf(line.color(QPalette::Base)), step.line.background) << step.what;
    EXPECT_EQ(RgbOf(line.color(QPalette::Text)), step.line.text) << step.what;
    // The preview keeps the chat colour last chosen through a change of palette.
    EXPECT_EQ(RgbOf(Control<QPlainTextEdit>(kPreviewBox)->palette().color(QPalette::Text)),
              step.build ? 0xFFFFFFu : 0xFFFF00u)
        << step.what;
    for (const char* colour : {kWhiteOption, kYellowOption}) {
      Click(colour);
      for (QWidget* window : windows) {
        for (const auto& [name, pair] : Drawn(window)) {
          EXPECT_GE(ContrastRatio(pair.background, pair.text), ReadableContrast)
              << step.what << ", " << colour << ": " << name.toStdString() << std::hex << " text "
              << pair.text << " on " << pair.background;
        }
      }
    }
  }
  // The layout's own colours stay: the picture's ground behind the yellow option's caption.
  const auto drawn = Drawn(form.get());
  const auto yellow = std::find_if(drawn.begin(), drawn.end(), [](const auto& control) {
    return control.first == "Form1.Option2";
  });
  ASSERT_NE(yellow, drawn.end());
  EXPECT_EQ(yellow->second, (ColourPair{0x080818, 0xFFFF00}));
}

}  // namespace
}  // namespace vbe

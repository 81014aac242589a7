// The main window at each scale: every caption whole in the font it is drawn with, eight rows in
// the preview, the window inside the work area of its screen, and the artwork of its scale.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextBlock>
#include <QToolButton>

#include "forms/artwork.h"
#include "forms/locator_window.h"
#include "forms/main_window.h"
#include "main_window_fixture.h"
#include "qt/artwork.h"
#include "support/artwork_pixels.h"

namespace vbe {
namespace {

using MainWindow = testing::MainWindowTest;

// Large enough for the window at any scale tested here.
const QRect kRoomy(0, 0, 4000, 3000);

// The room a control keeps for itself beside and above its caption, in its style.
QSize Margins(QWidget* control, qreal scale) {
  const QStyle* style = control->style();
  if (qobject_cast<QToolButton*>(control)) {
    return {4, qRound(32 * scale) + 6};
  }
  if (qobject_cast<QPushButton*>(control)) {
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
    return {style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) + 2 * frame, 2 * frame};
  }
  if (qobject_cast<QCheckBox*>(control)) {
    return {style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, control) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, control),
            0};
  }
  if (qobject_cast<QRadioButton*>(control)) {
    return {style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control),
            0};
  }
  return {0, 0};
}

// Every caption of a window's table, measured in the font its control is drawn with, lies
// whole inside the control beside what the control keeps for itself.
void ExpectCaptionsWhole(QWidget& window, std::span<const ControlRow> rows, qreal scale,
                         const std::string& at) {
  for (const ControlRow& row : rows) {
    const bool captioned = row.kind == ControlKind::Label || row.kind == ControlKind::Button ||
                           row.kind == ControlKind::PictureButton ||
                           row.kind == ControlKind::CheckBox ||
                           row.kind == ControlKind::OptionButton;
    if (!captioned || !row.visible) continue;
    QWidget* control = window.findChild<QWidget*>(row.name);
    ASSERT_NE(control, nullptr) << row.name;
    const QString caption = control->property("text").toString().remove('&');
    SCOPED_TRACE(row.name + (" \"" + caption.toStdString() + "\" at ") + at);
    const QSize room = control->size() - Margins(control, scale);
    const QFontMetrics metrics(control->font());
    const auto* label = qobject_cast<QLabel*>(control);
    const QRect text =
        label && label->wordWrap()
            ? metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, caption)
            : QRect(0, 0, metrics.horizontalAdvance(caption), metrics.height());
    EXPECT_LE(text.width(), room.width());
    EXPECT_LE(text.height(), room.height());
  }
}

class CaptionsAtDpi : public MainWindow, public ::testing::WithParamInterface<int> {};

TEST_P(CaptionsAtDpi, ShowWholeInTheirControlsAndThePreviewHoldsEightRows) {
  const int dpi = GetParam();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  form->FitInto(kRoomy, dpi);
  QApplication::processEvents();
  ASSERT_EQ(form->LayoutScale(), dpi / 96.0);
  ExpectCaptionsWhole(*form, MainWindowControls(), form->LayoutScale(), std::to_string(dpi));
  // The eighth row ends inside the preview's visible area.
  SetLines({"1", "2", "3", "4", "5", "6", "7", "8"});
  auto* preview = Control<QPlainTextEdit>(kPreviewBox);
  const QTextCursor eighth(preview->document()->findBlockByNumber(7));
  EXPECT_LT(preview->cursorRect(eighth).bottom(), preview->viewport()->height()) << dpi;
}

// 175 % is the scale a 200 % screen of 1280 pixels gets.
INSTANTIATE_TEST_SUITE_P(Scales, CaptionsAtDpi, ::testing::Values(96, 120, 144, 168, 192));

// The locator window follows the screen's scale alone: CTest runs this at each scale of
// QT_SCALE_FACTOR too.
TEST_F(MainWindow, LocatorCaptionsShowWholeAtTheScreensScale) {
  Click(kLocateButton);
  auto* locator = form->findChild<QWidget*>("Form2");
  ASSERT_NE(locator, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(locator));
  ExpectCaptionsWhole(*locator, LocatorWindowControls(), 1,
                      "a screen scale of " + std::to_string(locator->devicePixelRatioF()));
}

struct FitCase {
  const char* name;
  QRect work;
  int dpi;
  int layout_dpi;  // the scale that fits
};

class WindowFit : public MainWindow, public ::testing::WithParamInterface<FitCase> {};

TEST_P(WindowFit, LaysTheWindowOutAtTheScaleThatFitsInsideTheWorkArea) {
  const FitCase& c = GetParam();
  form->FitInto(c.work, c.dpi);
  const qreal scale = c.layout_dpi / 96.0;
  EXPECT_TRUE(c.work.contains(form->frameGeometry())) << form->frameGeometry().x();
  EXPECT_EQ(form->size(), QSize(qRound(696 * scale), qRound(447 * scale)));
  const ControlRow& save = RowNamed(MainWindowControls(), kSaveButton);
  EXPECT_EQ(Control(kSaveButton)->geometry().right() + 1,
            qRound((save.left + save.width) * scale / 15));
  EXPECT_EQ(Control(kSaveButton)->font().pointSizeF(), 8.25 * scale);
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, WindowFit,
                         ::testing::Values(FitCase{"Screen1280At200", {0, 0, 1280, 984}, 192, 168},
                                           FitCase{
                                               "LeftScreenAt150", {-1024, 0, 1024, 740}, 144, 120}),
                         [](const auto& info) { return info.param.name; });

// Drawn at 200 %, the background is the 2x picture pixel for pixel and the icons are the 2x
// ones; at 100 % the 1x ones.
class Background : public MainWindow, public ::testing::WithParamInterface<int> {};

TEST_P(Background, IsThePictureOfTheWindowsScale) {
  const int scale = GetParam();
  form->FitInto(kRoomy, 96 * scale);
  const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const ArtworkPicture picture = Artwork("background", scale);
  ASSERT_EQ(picture.width, 360 * scale);
  int differing = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      differing += shown.pixel(x, y) != (testing::ArtworkPixel(picture, x, y) | 0xFF000000u);
    }
  }
  EXPECT_EQ(differing, 0);
  // The picture buttons' icons come from the artwork of the same scale.
  EXPECT_EQ(Control<QToolButton>(kNewButton)->icon().availableSizes(),
            QList<QSize>{QSize(32, 32) * scale});
}

INSTANTIATE_TEST_SUITE_P(Scales, Background, ::testing::Values(1, 2));

}  // namespace
}  // namespace vbe

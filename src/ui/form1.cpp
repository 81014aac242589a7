#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "core/preview.h"
#include "core/spacing_fixer.h"
#include "sound/cue_player.h"
#include "ui/accessible_window.h"
#include "ui/artwork.h"
#include "ui/bind_text.h"
#include "ui/control_table.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/key_chooser.h"
#include "ui/line_navigator.h"
#include "ui/qt_audio.h"

namespace vbe {
namespace {

constexpr QColor kPictureGround(8, 8, 24);
constexpr QColor kPreviewWhite(255, 255, 255);
constexpr QColor kPreviewYellow(255, 255, 0);

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
      // The filter keeps the line's length: the editor's own limit would cut a paste before the
      // characters the code page cannot carry were dropped.
      editor->setValidator(new LineCharacterFilter(editor, row.max_length));
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
      combo->lineEdit()->setValidator(new LineCharacterFilter(combo));
      combo->setEditText(caption);
      return combo;
    }
    case ControlKind::DriveList:
    case ControlKind::FolderList:
      break;  // only the locator window has these (form2.cpp)
  }
  return nullptr;
}

void ApplyColours(const ControlRow& row, QWidget* control) {
  QPalette palette = control->palette();
  const bool text_box =
      row.kind == ControlKind::LineEditor || row.kind == ControlKind::MultiLineBox;
  if (row.background.kind != LayoutColour::Kind::Default) {
    const QPalette::ColorRole role = text_box ? QPalette::Base : control->backgroundRole();
    palette.setColor(role, ResolveColour(row.background, palette.color(role)));
    control->setAutoFillBackground(!text_box);
  }
  if (row.text.kind != LayoutColour::Kind::Default && row.kind != ControlKind::Shape) {
    const QPalette::ColorRole role = text_box ? QPalette::Text : QPalette::WindowText;
    palette.setColor(role, ResolveColour(row.text, palette.color(role)));
  }
  control->setPalette(palette);
}

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

// Shows a secondary window again, restored if it was minimised, in front of the others.
void ShowInFront(QWidget* window) {
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

Form1::Form1(Form1Host host, QWidget* parent)
    : QWidget(parent),
      drives_(std::move(host.drives)),
      common_dialog_(this),
      own_audio_([this] { return MakeAudioBackend(drives_); }),
      editor_{*this, host.dialogs ? *host.dialogs : common_dialog_, drives_,
              host.audio ? *host.audio : own_audio_},
      end_program_(std::move(host.end_program)) {
  if (!end_program_) end_program_ = [] { QCoreApplication::quit(); };
  setObjectName("Form1");
  ExposeAsWindow(this);
  setWindowTitle(ProgramTitle);
  setWindowIcon(ArtworkIcon("window"));
  setFont(LayoutFont(FontName::Default));
  setFixedSize(Pixels(MainClientWidth), Pixels(MainClientHeight));
  background_ = LoadArtwork("background");

  BuildControls();
  LoadMainWindow();
  WireCommands();
  WireLineEditors();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  findChild<QWidget*>("Command1")->setFocus();
}

// The secondary windows use this window's drive table and dialogs, so they go first.
Form1::~Form1() {
  delete locator_;
  delete form3_;
}

void Form1::BuildControls() {
  PlaceControls(
      MainWindowControls(), [this](const ControlRow& row) { return MakeControl(row, this); },
      [](const ControlRow& row, QWidget& control) {
        ApplyColours(row, &control);
        FitCaption(&control, BindTextToQString(row.caption));
        control.setEnabled(row.enabled);
        control.setVisible(row.visible);
      });

  for (int k = 0; k < LineCount; ++k) {
    line_editors_[k] = findChild<QLineEdit*>(QString("Text%1").arg(k + 1));
  }
  option1_ = findChild<QRadioButton*>("Option1");
  option2_ = findChild<QRadioButton*>("Option2");
  combo1_ = findChild<QComboBox*>("Combo1");
  check2_ = findChild<QCheckBox*>("Check2");
  text15_ = findChild<QLineEdit*>("Text15");
  text15_->setCursorPosition(0);
  text14_ = findChild<QPlainTextEdit*>("Text14");

  const std::pair<const char*, const char*> icons[] = {
      {"Command1", "new"}, {"Command3", "open"}, {"Command4", "save"}};
  for (const auto& [button, picture] : icons) {
    findChild<QToolButton*>(button)->setIcon(ArtworkIcon(picture));
  }
}

void Form1::LoadMainWindow() {
  common_dialog_.SetFilter(ConfigFileFilter);
  common_dialog_.SetFlags(OverwritePromptFlag);
  FillKeyChooser(*combo1_);
}

void Form1::OnClick(const char* button, std::function<void()> action) {
  connect(findChild<QAbstractButton*>(button), &QAbstractButton::clicked, this,
          [action = std::move(action)] { action(); });
}

void Form1::WireCommands() {
  OnClick("Command1", [this] { NewBind(editor_); });
  OnClick("Command2", [this] { StopCue(editor_.audio); });
  OnClick("Command3", [this] { OpenBind(editor_); });
  OnClick("Command4", [this] { SaveBind(editor_); });
  OnClick("Command5", [this] { ComposePreview(); });
  OnClick("Command6", [this] { ExitProgram(); });
  OnClick("Command8", [this] { ShowReadMe(); });
  OnClick("Command9", [this] { RunSpacingFixer(editor_); });
  OnClick("Command7", [this] { ShowLocator(); });
}

std::string Form1::Line(int number) const {
  return QStringToBindTextLossy(line_editors_.at(number - 1)->text());
}

void Form1::SetLine(int number, const std::string& text) {
  line_editors_.at(number - 1)->setText(BindTextToQString(text));
}

void Form1::ReplaceFirstCharacter(int number, char character) {
  QLineEdit* editor = line_editors_.at(number - 1);
  editor->setSelection(0, 1);
  editor->insert(BindTextToQString(std::string_view(&character, 1)));
}

TextColour Form1::Colour() const {
  return option1_->isChecked() ? TextColour::White : TextColour::Yellow;
}

void Form1::SetColour(TextColour colour) {
  (colour == TextColour::White ? option1_ : option2_)->setChecked(true);
}

std::string Form1::Key() const {
  return QStringToBindTextLossy(combo1_->currentText());
}

bool Form1::AddToAutoexec() const {
  return check2_->isChecked();
}

std::string Form1::AutoexecFolder() const {
  return QStringToBindTextLossy(text15_->text());
}

void Form1::SetAutoexecFolder(const std::string& folder) {
  text15_->setText(BindTextToQString(folder));
  text15_->setCursorPosition(0);
}

void Form1::ShowLocator() {
  // A closed locator is hidden until its deletion comes round; it does not count as open.
  if (!locator_ || !locator_->isVisible()) {
    auto set_folder = [this](const std::string& folder) { SetAutoexecFolder(folder); };
    // With the window's own message boxes the locator shows its own, over itself.
    UserDialogs* dialogs = &editor_.dialogs == &common_dialog_ ? nullptr : &editor_.dialogs;
    locator_ = new Form2({drives_, dialogs, set_folder}, this);
  }
  ShowInFront(locator_);
}

void Form1::ExitProgram() {
  if (exiting_) return;
  exiting_ = true;
  PlayCue(editor_.audio, ExitCue);
  if (form3_) form3_->close();
  end_program_();
}

void Form1::WireLineEditors() {
  check1_ = findChild<QCheckBox*>("Check1");
  command5_ = findChild<QAbstractButton*>("Command5");

  // Auto Preview is on only when Check1 is checked, not when it is greyed.
  for (QLineEdit* editor : line_editors_) {
    connect(editor, &QLineEdit::textChanged, this, [this] {
      if (check1_->checkState() == Qt::Checked) ComposePreview();
    });
  }
  new LineNavigator(line_editors_, this);

  // With Auto Preview on, the manual Update Preview has nothing to do.
  connect(check1_, &QCheckBox::clicked, this,
          [this] { command5_->setEnabled(check1_->checkState() != Qt::Checked); });

  // An option recolours the preview as it stands, whether the user or Open selected it; the
  // text is recomposed only by ComposePreview.
  connect(option1_, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) SetPreviewColour(kPreviewWhite);
  });
  connect(option2_, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) SetPreviewColour(kPreviewYellow);
  });
}

void Form1::SetPreviewColour(const QColor& colour) {
  QPalette palette = text14_->palette();
  palette.setColor(QPalette::Text, colour);
  text14_->setPalette(palette);
}

void Form1::ComposePreview() {
  if (option1_->isChecked()) SetPreviewColour(kPreviewWhite);
  if (option2_->isChecked()) SetPreviewColour(kPreviewYellow);
  text14_->setPlainText(MessageTextToQString(BuildPreviewText(Lines())));
}

void Form1::ShowReadMe() {
  if (!form3_) {
    form3_ = new Form3;
    form3_->showMaximized();
    return;
  }
  ShowInFront(form3_);
}

// The background picture is the dark field with the artwork in its top-left corner; only the
// corner is stored, which keeps start-up from decoding a large picture of one colour.
void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPictureGround);
  painter.drawImage(0, 0, background_);
}

void Form1::closeEvent(QCloseEvent* event) {
  ExitProgram();
  event->accept();
}

}  // namespace vbe

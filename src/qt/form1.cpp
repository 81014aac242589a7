#include "qt/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <vector>

#include "app/main_window.h"
#include "core/preview.h"
#include "commands/spacing_fixer_run.h"
#include "sound/cue_player.h"
#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"
#include "qt/form2.h"
#include "qt/form3.h"
#include "qt/key_chooser.h"
#include "qt/line_navigator.h"
#include "qt/qt_audio.h"

namespace vbe {
namespace {

QColor ColourOf(LayoutColour colour) { return ResolveColour(colour, Qt::black); }

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

// The one local file a drag carries; nothing when it carries anything else or more.
std::optional<std::filesystem::path> DraggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return std::nullopt;
  return QStringToHostPath(urls.first().toLocalFile());
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

  // A bind file dragged from the file manager opens wherever it is dropped; the controls
  // that take dropped text would otherwise paste its file name into themselves.
  setAcceptDrops(true);
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  Child<QWidget>(*this, "Command1").setFocus();
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
    const std::string name = "Text" + std::to_string(k + 1);
    line_editors_[k] = &Child<QLineEdit>(*this, name.c_str());
  }
  option1_ = &Child<QRadioButton>(*this, "Option1");
  option2_ = &Child<QRadioButton>(*this, "Option2");
  combo1_ = &Child<QComboBox>(*this, "Combo1");
  check2_ = &Child<QCheckBox>(*this, "Check2");
  text15_ = &Child<QLineEdit>(*this, "Text15");
  text15_->setCursorPosition(0);
  text14_ = &Child<QPlainTextEdit>(*this, "Text14");
  // Auto Preview edits the preview's rows in place; the read-only box keeps no undo history
  // of those edits.
  text14_->setUndoRedoEnabled(false);

  const std::pair<const char*, const char*> icons[] = {
      {"Command1", "new"}, {"Command3", "open"}, {"Command4", "save"}};
  for (const auto& [button, picture] : icons) {
    Child<QToolButton>(*this, button).setIcon(ArtworkIcon(picture));
  }
}

void Form1::LoadMainWindow() {
  common_dialog_.SetFilter(ConfigFileFilter);
  common_dialog_.SetFlags(OverwritePromptFlag);
  FillKeyChooser(*combo1_);
}

void Form1::OnClick(const char* button, std::function<void()> action) {
  // An exception must never reach Qt's event loop, which would end the program and lose the
  // bind: the command stops and says so, and the lines stay as they are.
  connect(&Child<QAbstractButton>(*this, button), &QAbstractButton::clicked, this,
          [this, action = std::move(action)] {
            try {
              action();
            } catch (const std::exception& error) {
              std::string text = "The command stopped: ";
              text += error.what();
              editor_.dialogs.ShowMessage(text, "Error", MessageStyle::Stop + MessageStyle::OkOnly);
            }
          });
}

void Form1::WireCommands() {
  OnClick("Command1", [this] { NewBind(editor_); });
  OnClick("Command2", [this] { StopCue(editor_.audio); });
  OnClick("Command3", [this] { OpenBind(editor_); });
  OnClick("Command4", [this] { SaveBind(editor_); });
  OnClick("Command5", [this] { ComposePreview(); });
  OnClick("Command6", [this] { ExitProgram(); });
  OnClick("Command8", [this] { ShowReadMe(); });
  OnClick("Command9", [this] { RunSpacingFixer(*this, editor_.dialogs); });
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
  check1_ = &Child<QCheckBox>(*this, "Check1");
  command5_ = &Child<QAbstractButton>(*this, "Command5");

  for (int k = 0; k < LineCount; ++k) {
    connect(line_editors_[k], &QLineEdit::textChanged, this,
            [this, number = k + 1] { FollowLineChange(number); });
  }
  new LineNavigator(line_editors_, this);

  // With Auto Preview on, the manual Update Preview has nothing to do.
  connect(check1_, &QCheckBox::clicked, this,
          [this] { command5_->setEnabled(!PreviewFollowsEdits(Check1Value())); });

  // An option recolours the preview as it stands, whether the user or Open selected it; the
  // text is recomposed only by ComposePreview.
  connect(option1_, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) SetPreviewColour(ColourOf(PreviewWhite));
  });
  connect(option2_, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) SetPreviewColour(ColourOf(PreviewYellow));
  });
}

int Form1::Check1Value() const {
  switch (check1_->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void Form1::SetPreviewColour(const QColor& colour) {
  QPalette palette = text14_->palette();
  palette.setColor(QPalette::Text, colour);
  text14_->setPalette(palette);
}

void Form1::ComposePreview() {
  if (option1_->isChecked()) SetPreviewColour(ColourOf(PreviewWhite));
  if (option2_->isChecked()) SetPreviewColour(ColourOf(PreviewYellow));
  text14_->setPlainText(MessageTextToQString(BuildPreviewText(Lines())));
  preview_current_ = true;
}

// The preview box keeps one row (one block of its document) per line. While it shows the full
// composition, a changed line replaces the text of its own row only: recomposing all eight
// rows on every keystroke would lay the whole box out again. The colour needs no update, as
// the options recolour the preview whenever they change.
void Form1::FollowLineChange(int number) {
  if (!PreviewFollowsEdits(Check1Value())) {
    preview_current_ = false;  // the preview stays as it was until it is recomposed
    return;
  }
  const QString text = line_editors_[number - 1]->text();
  const QTextBlock row = text14_->document()->findBlockByNumber(number - 1);
  // A character that breaks a row would shift the rows below; a full recomposition places
  // them right.
  const bool one_row = std::none_of(text.begin(), text.end(), [](QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
  });
  if (!preview_current_ || !one_row || !row.isValid() ||
      text14_->document()->blockCount() != LineCount) {
    ComposePreview();
    return;
  }
  if (row.text() == text) return;
  // The row is selected by position and replaced inside an edit block: that way the cursor
  // never lays the row out to find its own place, and the box lays it out once, to paint it.
  QTextCursor cursor(row);
  cursor.beginEditBlock();
  cursor.setPosition(row.position() + row.length() - 1, QTextCursor::KeepAnchor);
  cursor.insertText(text);
  cursor.endEditBlock();
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
  painter.fillRect(rect(), ColourOf(PictureGround));
  painter.drawImage(0, 0, background_);
}

void Form1::closeEvent(QCloseEvent* event) {
  ExitProgram();
  event->accept();
}

void Form1::OpenFromCommandLine(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  std::error_code ec;
  const std::filesystem::path named = QStringToHostPath(arguments[1]);
  const std::filesystem::path file = std::filesystem::absolute(named, ec);
  OpenBindFile(editor_, ec ? named : file);
}

bool Form1::HandleFileDrag(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return false;
  }
  auto* drag = static_cast<QDropEvent*>(event);
  if (!drag->mimeData() || !drag->mimeData()->hasUrls()) {
    // Over the window itself nothing else is taken; a control keeps its own text drops.
    return false;
  }
  const auto file = DraggedFile(drag->mimeData());
  if (!file) {
    drag->ignore();
    return true;
  }
  drag->acceptProposedAction();
  if (type == QEvent::Drop) {
    // After the drop has finished, so that the file manager is not held by a message box.
    QMetaObject::invokeMethod(
        this, [this, file = *file] { OpenBindFile(editor_, file); }, Qt::QueuedConnection);
  }
  return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (!HandleFileDrag(event)) event->ignore();
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
  if (!HandleFileDrag(event)) event->ignore();
}

void Form1::dropEvent(QDropEvent* event) {
  if (!HandleFileDrag(event)) event->ignore();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  return HandleFileDrag(event) || QWidget::eventFilter(watched, event);
}

}  // namespace vbe

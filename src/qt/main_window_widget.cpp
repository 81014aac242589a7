#include "qt/main_window_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "forms/artwork.h"
#include "forms/main_window.h"
#include "forms/window_fit.h"
#include "qt/accessible_window.h"
#include "qt/artwork.h"
#include "qt/bind_text.h"
#include "qt/control_table.h"
#include "qt/line_input.h"
#include "qt/locator_widget.h"
#include "qt/qt_audio.h"
#include "qt/readme_widget.h"

namespace vbe {

MainWindowWidget::MainWindowWidget(Form1Host host, QWidget* parent)
    : QWidget(parent),
      drives_(std::move(host.drives)),
      own_dialogs_(this),
      own_audio_([this] { return MakeAudioBackend(drives_); }),
      dialogs_(host.dialogs ? *host.dialogs : own_dialogs_),
      end_program_(std::move(host.end_program)),
      beep_(std::move(host.beep)),
      window_(*this, controls_, drives_, dialogs_, host.audio ? *host.audio : own_audio_) {
  if (!end_program_) end_program_ = [] { QCoreApplication::quit(); };
  if (!beep_) beep_ = [] { QApplication::beep(); };
  // The session manager asks every program to save its work before the session ends.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { window_.OnSessionEnd(); });
  setObjectName("Form1");
  ExposeAsWindow(this);
  setWindowTitle(ProgramTitle);
  setWindowIcon(ArtworkIcon("window"));
  setFont(LayoutFont(FontName::Default));
  setFixedSize(Pixels(MainClientWidth), Pixels(MainClientHeight));
  background_ = LoadArtwork("background");

  BuildControls();
  window_.Load();

  // A bind file dragged from the file manager opens wherever it is dropped; the controls
  // that take dropped text would otherwise paste its file name into themselves.
  setAcceptDrops(true);
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    FitInto(screen->availableGeometry(), qRound(96 * screen->devicePixelRatio()));
  }
  Child<QWidget>(*this, kNewButton).setFocus();
}

// The secondary windows use this window's drive table and dialogs, so they go first.
MainWindowWidget::~MainWindowWidget() {
  delete locator_;
  delete readme_;
}

void MainWindowWidget::BuildControls() {
  controls_.SetGround(PictureGround);
  // Each control's event reaches the behaviour as its row says.
  controls_.Build(MainWindowControls(), this, [this](const ControlRow& row, QWidget& control) {
    if (row.line) {
      auto* editor = static_cast<QLineEdit*>(&control);
      lines_.at(row.line - 1) = &control;
      connect(editor, &QLineEdit::textChanged, this,
              [this, line = row.line] { window_.OnLineChanged(line); });
      RoutePastedRows(editor, [this, editor, line = row.line](const QString& text) {
        const int from =
            editor->hasSelectedText() ? editor->selectionStart() : editor->cursorPosition();
        const int to = editor->hasSelectedText() ? editor->selectionEnd() : from;
        window_.OnPasteRows(line, from, to, ToUtf16(text));
      });
    } else if (row.command.main != MainCommand::None) {
      connect(static_cast<QAbstractButton*>(&control), &QAbstractButton::clicked, this,
              [this, command = row.command.main] { window_.OnCommand(command); });
    }
  });
  Child<QLineEdit>(*this, kAutoexecFolderBox).setCursorPosition(0);
  preview_ = &Child<QPlainTextEdit>(*this, kPreviewBox);
  preview_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(preview_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ShowPreviewMenu(preview_->mapToGlobal(at)); });
  // Whatever a line editor (or the key chooser's) refused sounds the warning.
  for (QLineEdit* editor : findChildren<QLineEdit*>()) {
    connect(editor, &QLineEdit::inputRejected, this, [this] { window_.OnInputRefused(); });
  }
}

// The decision is taken in device pixels; Qt's own scaling maps the window's pixels to them,
// and the window draws its layout at what remains of the scale that fits.
void MainWindowWidget::FitInto(const QRect& work_area, int wanted_dpi) {
  const qreal ratio = devicePixelRatioF();
  const auto device = [ratio](int pixels) { return qRound(pixels * ratio); };
  const FitRequest request{.client_width = MainClientWidth,
                           .client_height = MainClientHeight,
                           .wanted_dpi = wanted_dpi,
                           .frame_width = device(frameGeometry().width() - width()),
                           .frame_height = device(frameGeometry().height() - height()),
                           .work_area = {device(work_area.x()), device(work_area.y()),
                                         device(work_area.width()), device(work_area.height())}};
  const WindowFit fit = FitWindow(request);
  const qreal scale = fit.dpi / (96 * ratio);
  if (scale != layout_scale_) {
    layout_scale_ = scale;
    setFont(LayoutFont(FontName::Default, scale));
    setFixedSize(ScaledPixels(MainClientWidth, scale), ScaledPixels(MainClientHeight, scale));
    controls_.Place(scale);
  }
  if (const int artwork = ArtworkScale(fit.dpi); artwork != artwork_scale_) {
    artwork_scale_ = artwork;
    background_ = LoadArtwork("background", artwork);
    for (const ControlRow& row : MainWindowControls()) {
      if (row.picture) {
        static_cast<QToolButton*>(controls_.Widget(row))
            ->setIcon(ArtworkIcon(row.picture, artwork));
      }
    }
  }
  move(qRound(fit.left / ratio), qRound(fit.top / ratio));
  update();
}

void MainWindowWidget::CopyBind() {
  QGuiApplication::clipboard()->setText(ToQString(window_.BindAsText(u"\n")));
}

// The preview's own menu, with "Copy bind" added.
void MainWindowWidget::ShowPreviewMenu(const QPoint& at) {
  QMenu* menu = preview_->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addSeparator();
  menu->addAction(QString::fromLatin1(CopyBindCaption), this, [this] { CopyBind(); });
  menu->popup(at);
}

QWidget* MainWindowWidget::Secondary(SecondaryWindow window) const {
  QWidget* shown = window == SecondaryWindow::Locator ? static_cast<QWidget*>(locator_.data())
                                                      : static_cast<QWidget*>(readme_.data());
  // A closed window is hidden until its deletion comes round; it does not count as open.
  return shown && shown->isVisible() ? shown : nullptr;
}

bool MainWindowWidget::IsOpen(SecondaryWindow window) const {
  return Secondary(window) != nullptr;
}

bool MainWindowWidget::IsMinimised(SecondaryWindow window) const {
  const QWidget* shown = Secondary(window);
  return shown && shown->isMinimized();
}

void MainWindowWidget::Open(SecondaryWindow window) {
  if (window == SecondaryWindow::ReadMe) {
    readme_ = new ReadMeWidget;
    readme_->showMaximized();
    return;
  }
  // With the window's own message boxes the locator shows its own, over itself.
  UserDialogs* dialogs = &dialogs_ == &own_dialogs_ ? nullptr : &dialogs_;
  locator_ = new LocatorWidget(
      {drives_, dialogs, [this](const std::string& folder) { window_.SetAutoexecFolder(folder); }},
      this);
  Raise(window);
}

void MainWindowWidget::Restore(SecondaryWindow window) {
  if (QWidget* shown = Secondary(window)) {
    shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
  }
}

void MainWindowWidget::Raise(SecondaryWindow window) {
  QWidget* shown = window == SecondaryWindow::Locator ? static_cast<QWidget*>(locator_.data())
                                                      : static_cast<QWidget*>(readme_.data());
  if (!shown) return;
  shown->show();
  shown->raise();
  shown->activateWindow();
}

void MainWindowWidget::Close(SecondaryWindow window) {
  if (QWidget* shown = Secondary(window)) shown->close();
}

void MainWindowWidget::HideMainWindow() {
  hide();
}

// A precise timer: a coarse one may fire early and cut the cue's end off.
void MainWindowWidget::WaitForExitCue(std::chrono::milliseconds wait) {
  QTimer::singleShot(wait, Qt::PreciseTimer, this, [this] { window_.OnExitWaitOver(); });
}

void MainWindowWidget::EndProgram() {
  end_program_();
}

void MainWindowWidget::Beep() {
  beep_();
}

// The background picture is the dark field with the artwork in its top-left corner; only the
// corner is stored, which keeps start-up from decoding a large picture of one colour.
void MainWindowWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ResolveColour(PictureGround, Qt::black));
  // The size of the 1x picture at the window's scale, from the 2x one from 150 % on.
  const ArtworkPicture one = Artwork("background");
  const QRectF place(0, 0, one.width * layout_scale_, one.height * layout_scale_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(place, background_);
}

// The behaviour hides the window; a closed last window would end the program before the exit
// cue has played.
void MainWindowWidget::closeEvent(QCloseEvent* event) {
  window_.OnClose();
  event->ignore();
}

void MainWindowWidget::OpenFromCommandLine(const std::filesystem::path& file) {
  window_.OpenFromCommandLine(std::span(&file, 1));
}

bool MainWindowWidget::HandleFileDrag(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return false;
  }
  auto* drag = static_cast<QDropEvent*>(event);
  if (!drag->mimeData() || !drag->mimeData()->hasUrls()) {
    // Over the window itself nothing else is taken; a control keeps its own text drops.
    return false;
  }
  std::vector<std::filesystem::path> files;
  for (const QUrl& url : drag->mimeData()->urls()) {
    if (!url.isLocalFile()) {
      drag->ignore();
      return true;
    }
    files.push_back(QStringToHostPath(url.toLocalFile()));
  }
  if (!MainWindow::TakesDroppedFiles(files.size())) {
    drag->ignore();
    return true;
  }
  drag->acceptProposedAction();
  if (type == QEvent::Drop) {
    // After the drop has finished, so that the file manager is not held by a message box.
    QMetaObject::invokeMethod(
        this, [this, files] { window_.OnFilesDropped(files); }, Qt::QueuedConnection);
  }
  return true;
}

void MainWindowWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (!HandleFileDrag(event)) event->ignore();
}

void MainWindowWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (!HandleFileDrag(event)) event->ignore();
}

void MainWindowWidget::dropEvent(QDropEvent* event) {
  if (!HandleFileDrag(event)) event->ignore();
}

// The files dragged over any control, the Up and Down keys of the line editors, which are only
// watched, never swallowed, and Ctrl+C in the preview with nothing selected, which copies the
// bind.
bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == preview_ &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
      !preview_->textCursor().hasSelection()) {
    CopyBind();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto line = std::find(lines_.begin(), lines_.end(), watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (line != lines_.end() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
      window_.OnLineArrow(static_cast<int>(line - lines_.begin()) + 1,
                          key == Qt::Key_Down ? LineArrow::Down : LineArrow::Up);
    }
    return QWidget::eventFilter(watched, event);
  }
  return HandleFileDrag(event) || QWidget::eventFilter(watched, event);
}

}  // namespace vbe

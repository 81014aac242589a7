// The Qt front end: the three windows of forms/ realised with Qt Widgets.
//
// Each window builds its controls from its forms/ table (control_table.h): every control's
// place, size, caption, font and colours come from its row, in twips; 15 twips make one
// device-independent pixel, and Qt's scaling does the rest on screens of higher density. The
// control set implements app/'s Controls over them for every window alike; the window
// implements only its own view (its secondary windows, its end) and forwards each event to its
// behaviour there: a control's signal as the command of its row, a line's change and its Up
// and Down keys, a drop, the close. Text enters the lines only through the line filter
// (line_input.h).
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

#include "app/main_window.h"
#include "qt/control_table.h"
#include "qt/qt_dialogs.h"

class QPlainTextEdit;

namespace vbe {

class LocatorWidget;
class ReadMeWidget;

// The editor's main window, Form1.
class MainWindowWidget : public QWidget, public MainWindowView {
 public:
  explicit MainWindowWidget(Form1Host host, QWidget* parent = nullptr);
  ~MainWindowWidget() override;

  // The window's behaviour, which is also the bind document.
  MainWindow& Behaviour() { return window_; }
  // Lays the window out at the largest scale up to `wanted_dpi` (96 for 100 %) at which it fits
  // `work_area`, the work area of its screen, and moves it inside there, to its middle. The
  // window takes its screen's work area and scale when it is made; tests give their own.
  void FitInto(const QRect& work_area, int wanted_dpi);
  // The scale the window is drawn at beyond the screen's own: 1 as the layout is drawn.
  qreal LayoutScale() const { return layout_scale_; }
  // Opens the bind file the program was started with, once the window is shown.
  void OpenFromCommandLine(const std::filesystem::path& file);

  bool IsOpen(SecondaryWindow window) const override;
  bool IsMinimised(SecondaryWindow window) const override;
  void Open(SecondaryWindow window) override;
  void Restore(SecondaryWindow window) override;
  void Raise(SecondaryWindow window) override;
  void Close(SecondaryWindow window) override;
  void HideMainWindow() override;
  void WaitForExitCue(std::chrono::milliseconds wait) override;
  void EndProgram() override;
  void Beep() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* Secondary(SecondaryWindow window) const;
  // A drag or drop over the window or any of its controls; true when it carried files and was
  // taken care of here.
  bool HandleFileDrag(QEvent* event);
  // "Copy bind": the eight lines on the clipboard, a line feed between rows.
  void CopyBind();
  void ShowPreviewMenu(const QPoint& at);

  DriveTable drives_;
  QtUserDialogs own_dialogs_;
  LazyAudioCommands own_audio_;
  UserDialogs& dialogs_;
  std::function<void()> end_program_;
  ControlSet controls_;
  std::function<void()> beep_;
  MainWindow window_;
  QImage background_;
  qreal layout_scale_ = 1;
  int artwork_scale_ = 1;

  std::array<QWidget*, LineCount> lines_{};
  QPlainTextEdit* preview_ = nullptr;
  QPointer<LocatorWidget> locator_;
  QPointer<ReadMeWidget> readme_;
};

}  // namespace vbe

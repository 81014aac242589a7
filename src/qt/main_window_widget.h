// The Qt front end: the three windows of forms/ realised with Qt Widgets.
//
// Each window builds its controls from its forms/ table (control_table.h): every control's
// place, size, caption, font and colours come from its row, in twips; 15 twips make one
// device-independent pixel, and Qt's scaling does the rest on screens of higher density. The
// window implements its view of app/ over the controls and forwards each event to its
// behaviour there: a control's signal as the command of its row, a line's change and its Up
// and Down keys, a drop, the close. Text enters the lines only through the line filter
// (line_input.h).
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

#include "app/main_window.h"
#include "qt/qt_dialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

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
  // Opens the bind file the program was started with, once the window is shown.
  void OpenFromCommandLine(const std::filesystem::path& file);

  std::u16string LineText(int line) const override;
  void SetLineText(int line, std::u16string_view text) override;
  void ReplaceLineRange(int line, int from, int to, std::u16string_view text) override;
  void FocusLine(int line) override;
  bool WhiteSelected() const override;
  void SelectColour(TextColour colour) override;
  int AutoPreviewState() const override;
  bool AutoexecChecked() const override;
  std::u16string KeyText() const override;
  void AddKeyNames(std::span<const std::u16string> names) override;
  std::u16string AutoexecFolderText() const override;
  void SetAutoexecFolderText(std::u16string_view folder) override;
  void SetPreviewText(std::u16string_view text) override;
  void SetPreviewRow(int row, std::u16string_view text) override;
  void SetPreviewColour(LayoutColour colour) override;
  void EnableControl(const char* name, bool enabled) override;
  bool IsOpen(SecondaryWindow window) const override;
  bool IsMinimised(SecondaryWindow window) const override;
  void Open(SecondaryWindow window) override;
  void Restore(SecondaryWindow window) override;
  void Raise(SecondaryWindow window) override;
  void Close(SecondaryWindow window) override;
  void HideMainWindow() override;
  void WaitForExitCue(std::chrono::milliseconds wait) override;
  void EndProgram() override;

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

  DriveTable drives_;
  QtUserDialogs own_dialogs_;
  LazyAudioCommands own_audio_;
  UserDialogs& dialogs_;
  std::function<void()> end_program_;
  MainWindow window_;
  QImage background_;

  std::array<QLineEdit*, LineCount> lines_{};
  QRadioButton* white_option_ = nullptr;
  QRadioButton* yellow_option_ = nullptr;
  QCheckBox* auto_preview_ = nullptr;
  QCheckBox* autoexec_check_ = nullptr;
  QComboBox* key_chooser_ = nullptr;
  QLineEdit* autoexec_folder_ = nullptr;
  QPlainTextEdit* preview_ = nullptr;
  QPointer<LocatorWidget> locator_;
  QPointer<ReadMeWidget> readme_;
};

}  // namespace vbe

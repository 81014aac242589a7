#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/bind_document.h"
#include "forms/main_window.h"
#include "commands/operations.h"
#include "platform/drive_table.h"
#include "sound/audio_commands.h"
#include "qt/qt_dialogs.h"

class QAbstractButton;
class QMimeData;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vbe {

class Form3;
class Form2;

// The editor's main window. It holds the one bind in its controls and is the document the
// operations work on.
class Form1 : public QWidget, public BindDocument {
 public:
  explicit Form1(Form1Host host, QWidget* parent = nullptr);
  ~Form1() override;

  std::string Line(int number) const override;
  void SetLine(int number, const std::string& text) override;
  void ReplaceFirstCharacter(int number, char character) override;
  TextColour Colour() const override;
  void SetColour(TextColour colour) override;
  std::string Key() const override;
  bool AddToAutoexec() const override;
  std::string AutoexecFolder() const override;
  std::filesystem::path FileName() const override { return file_name_; }
  void SetFileName(const std::filesystem::path& file_name) override { file_name_ = file_name; }

  // Whether the window's own audio back end exists yet; it is made on the first cue.
  bool AudioStarted() const { return own_audio_.Created(); }
  // Text15, which only the locator window changes.
  void SetAutoexecFolder(const std::string& folder);

  // Opens the locator window, or brings the open one to the front.
  void ShowLocator();

  // Plays the exit cue and ends the program at once, without questions.
  void ExitProgram();

  // Shows the eight lines in the preview box, in the colour of the selected option.
  void ComposePreview();
  // Opens the read-me window, or brings the open one to the front.
  void ShowReadMe();

  // Opens the bind file the program was started with; a relative name is taken from the current
  // folder. Call it once the window is shown, so that a box saying why the file cannot be read
  // stands over the window.
  void OpenFromCommandLine(const std::filesystem::path& named);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void LoadMainWindow();
  void WireCommands();
  void OnClick(const char* button, std::function<void()> action);
  void WireLineEditors();
  void SetPreviewColour(const QColor& colour);
  // Check1 as the layout counts it: 0 cleared, 1 checked, 2 greyed.
  int Check1Value() const;
  // Auto Preview's answer to a change in the editor of line `number`.
  void FollowLineChange(int number);
  // A drag or drop over the window or any of its controls; true when it carried URLs and was
  // taken care of here.
  bool HandleFileDrag(QEvent* event);

  DriveTable drives_;
  QtUserDialogs common_dialog_;
  LazyAudioCommands own_audio_;
  EditorServices editor_;
  std::function<void()> end_program_;
  std::filesystem::path file_name_;
  bool exiting_ = false;
  QImage background_;

  std::array<QLineEdit*, LineCount> line_editors_{};
  QRadioButton* option1_ = nullptr;
  QRadioButton* option2_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QLineEdit* text15_ = nullptr;
  QPlainTextEdit* text14_ = nullptr;
  // Whether Text14 shows exactly what ComposePreview would show now, so that a change to one
  // line needs only that line's row replaced.
  bool preview_current_ = false;

  QCheckBox* check1_ = nullptr;
  QAbstractButton* command5_ = nullptr;
  QPointer<Form3> form3_;
  QPointer<Form2> locator_;
};

}  // namespace vbe

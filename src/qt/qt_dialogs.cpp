#include "qt/qt_dialogs.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "qt/bind_text.h"

namespace vbe {
namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case MessageStyle::Stop:
      return QMessageBox::Critical;
    case MessageStyle::Question:
      return QMessageBox::Question;
    case MessageStyle::Exclamation:
      return QMessageBox::Warning;
    case MessageStyle::Information:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// Message texts are UTF-8 with CR LF rows.
QString MessageToQString(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// The Qt file dialog reads a typed name holding double quotes as a list of quoted names and
// would pick another file than the one named ('my"bind.cfg' gives "bind.cfg"). Such a name is
// refused, and the dialog stays open for the user to mend it.
class BindFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    if (const QLineEdit* name_box = FileNameBox(); name_box && name_box->text().contains(u'"')) {
      QtUserDialogs(this).ShowMessage(
          "A file name cannot hold a double quote (\").\r\nPlease choose another name.",
          "File Name Error", MessageStyle::Stop + MessageStyle::OkOnly);
      return;
    }
    QFileDialog::accept();
  }

 private:
  // The box the file name is typed into: the one its label "File name:" stands for. A native
  // dialog has none and takes the typed name as it stands.
  QLineEdit* FileNameBox() const {
    const QString caption = labelText(QFileDialog::FileName);
    for (const QLabel* label : findChildren<QLabel*>()) {
      if (label->text() == caption) return qobject_cast<QLineEdit*>(label->buddy());
    }
    return nullptr;
  }
};

}  // namespace

QtUserDialogs::QtUserDialogs(QWidget* parent) : parent_(parent) {}

void QtUserDialogs::SetFileDialog(std::string_view filter_list, int flags) {
  flags_ = flags;
  name_filters_.clear();
  const QStringList parts = BindTextToQString(filter_list).split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    // Qt filters on the patterns in the last parentheses of a filter's text, and with its
    // details hidden it shows the text before them: the pair's own description. The pattern
    // "*.*" means every file, also one without a dot, which only "*" finds here.
    QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    name_filters_ << parts[i] + " (" + patterns.join(u' ') + ")";
  }
}

Answer QtUserDialogs::ShowMessage(std::string_view text, std::string_view title, int style) {
  QMessageBox box(IconOf(style), MessageToQString(title), MessageToQString(text),
                  QMessageBox::NoButton, parent_);
  QAbstractButton* first = nullptr;
  auto add = [&](QMessageBox::StandardButton button) {
    QPushButton* added = box.addButton(button);
    if (!first) first = added;
  };
  switch (style & 0x0F) {
    case MessageStyle::OkCancel:
      add(QMessageBox::Ok), add(QMessageBox::Cancel);
      break;
    case MessageStyle::YesNoCancel:
      add(QMessageBox::Yes), add(QMessageBox::No), add(QMessageBox::Cancel);
      break;
    case 4:
      add(QMessageBox::Yes), add(QMessageBox::No);
      break;
    default:
      add(QMessageBox::Ok);
      break;
  }
  box.setDefaultButton(qobject_cast<QPushButton*>(first));
  // Escape and the close control answer Cancel where there is one, else the only button.
  if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) {
    box.setEscapeButton(cancel);
  } else if ((style & 0x0F) == MessageStyle::OkOnly) {
    box.setEscapeButton(first);
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<std::filesystem::path> QtUserDialogs::ChooseFile(
    FileDialogMode mode, const std::filesystem::path& file_name) {
  BindFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setWindowTitle(mode == FileDialogMode::Open ? "Open Bind" : "Save Bind");
  dialog.setNameFilters(name_filters_);
  if (!name_filters_.isEmpty()) dialog.selectNameFilter(name_filters_.first());
  if (mode == FileDialogMode::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (flags_ & OverwritePromptFlag) == 0);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!file_name.empty()) {
    dialog.setDirectory(HostPathToQString(file_name.parent_path()));
    dialog.selectFile(HostPathToQString(file_name.filename()));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QStringToHostPath(dialog.selectedFiles().first());
}

}  // namespace vbe

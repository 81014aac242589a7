#include "qt/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "qt/bind_text.h"

namespace vbe {
namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case MessageStyle::Stop: return QMessageBox::Critical;
    case MessageStyle::Question: return QMessageBox::Question;
    case MessageStyle::Exclamation: return QMessageBox::Warning;
    case MessageStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Message texts are UTF-8 with CR LF rows.
QString MessageToQString(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace

QtUserDialogs::QtUserDialogs(QWidget* parent) : parent_(parent) {}

void QtUserDialogs::SetFilter(std::string_view filter_list) {
  name_filters_.clear();
  const QStringList parts = BindTextToQString(filter_list).split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    // Qt reads the patterns from the parentheses of the description; keep the pair's own
    // pattern when the description shows none.
    name_filters_ << (parts[i].contains(u'(') ? parts[i] : parts[i] + " (" + parts[i + 1] + ")");
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
    case MessageStyle::OkCancel: add(QMessageBox::Ok), add(QMessageBox::Cancel); break;
    case MessageStyle::YesNoCancel:
      add(QMessageBox::Yes), add(QMessageBox::No), add(QMessageBox::Cancel);
      break;
    case 4: add(QMessageBox::Yes), add(QMessageBox::No); break;
    default: add(QMessageBox::Ok); break;
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
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<std::filesystem::path> QtUserDialogs::ChooseFile(
    FileDialogMode mode, const std::filesystem::path& file_name) {
  QFileDialog dialog(parent_);
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

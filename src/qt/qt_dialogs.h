#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "commands/user_dialogs.h"

namespace vbe {

// The message boxes and the shared open/save file dialog as Qt shows them. The file dialog
// keeps its filter list and flags, set once when the main window loads; its file name is the
// document's, handed in on every call.
class QtUserDialogs : public UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent);

  // A filter list of description and pattern pairs separated by "|", as ConfigFileFilter.
  void SetFileDialog(std::string_view filter_list, int flags) override;

  Answer ShowMessage(std::string_view text, std::string_view title, int style) override;
  std::optional<std::filesystem::path> ChooseFile(FileDialogMode mode,
                                                  const std::filesystem::path& file_name) override;

 private:
  QPointer<QWidget> parent_;
  QStringList name_filters_;
  int flags_ = 0;
};

}  // namespace vbe

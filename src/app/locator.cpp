#include "app/locator.h"

#include "app/command_guard.h"
#include "app/text_filter.h"
#include "forms/locator_window.h"
#include "gamecfg/autoexec.h"
#include "gamecfg/locator.h"
#include "platform/code_page.h"
#include "platform/folders.h"

namespace vbe {

Locator::Locator(LocatorView& view, Controls& controls, const DriveTable& drives,
                 UserDialogs& dialogs, std::function<void(const std::string&)> set_autoexec_folder)
    : view_(view),
      controls_(controls),
      drives_(drives),
      dialogs_(dialogs),
      set_autoexec_folder_(std::move(set_autoexec_folder)) {}

void Locator::Load() {
  const std::string start = LocatorStartFolder(ProcessFolder(drives_), drives_);
  std::vector<ListItem> names;
  int selected = -1;
  for (const DriveTable::Drive& drive : drives_.Drives()) {
    const std::string name{drive.letter, ':'};
    if (start.size() >= 2 && start.compare(0, 2, name) == 0) {
      selected = static_cast<int>(names.size());
    }
    names.push_back({BindTextToUtf16(name)});
  }
  controls_.SetItems(RowNamed(LocatorWindowControls(), kDriveList), names, selected);
  if (!OpenFolder(start)) ShowFolder(start, {});
}

void Locator::OnCommand(LocatorCommand command) {
  RunGuarded(dialogs_, [&] { RunCommand(command); });
}

void Locator::RunCommand(LocatorCommand command) {
  switch (command) {
    case LocatorCommand::ChangeDrive:
      ChangeLocatorDrive(*this, drives_, dialogs_);
      break;
    case LocatorCommand::OpenFolder:
      OpenHighlightedFolder();
      break;
    case LocatorCommand::Ok:
      LocateAutoexecFolder(*this, drives_, dialogs_);
      break;
    case LocatorCommand::Cancel:
      CloseLocator();
      break;
    case LocatorCommand::None:
      break;
  }
}

std::string Locator::ShownDrive() const {
  return Utf16ToBindText(controls_.Text(RowNamed(LocatorWindowControls(), kDriveList)));
}

bool Locator::OpenFolder(const std::string& folder) {
  const auto subfolders = ListSubfolders(drives_, folder);
  if (!subfolders) return false;
  ShowFolder(folder, *subfolders);
  return true;
}

// The open folders from the drive's root down, then the subfolders of the last; the last open
// folder is highlighted.
void Locator::ShowFolder(const std::string& folder, const std::vector<std::string>& subfolders) {
  current_folder_ = folder;
  row_folders_.clear();
  std::vector<ListItem> rows;
  const std::vector<std::string> steps = FolderSteps(folder);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::string_view name = i == 0 ? std::string_view(steps[i]) : FileNamePart(steps[i]);
    rows.push_back({BindTextToUtf16(name), static_cast<int>(i), true});
    row_folders_.push_back(steps[i]);
  }
  if (!steps.empty()) {
    for (const std::string& name : subfolders) {
      rows.push_back({BindTextToUtf16(name), static_cast<int>(steps.size()), false});
      row_folders_.push_back(SubfolderPath(folder, name));
    }
  }
  controls_.SetItems(RowNamed(LocatorWindowControls(), kFolderList), rows,
                     static_cast<int>(steps.size()) - 1);
}

void Locator::OpenHighlightedFolder() {
  const int row = controls_.Selection(RowNamed(LocatorWindowControls(), kFolderList));
  if (row < 0 || static_cast<std::size_t>(row) >= row_folders_.size()) return;
  const std::string folder = row_folders_[static_cast<std::size_t>(row)];
  if (OpenFolder(folder)) return;
  std::string text = "Can't open the folder ";
  text += Cp1252ToUtf8(folder);
  dialogs_.ShowMessage(text, "Folder Error", MessageStyle::Stop + MessageStyle::OkOnly);
}

void Locator::SetAutoexecFolder(const std::string& folder) {
  if (set_autoexec_folder_) set_autoexec_folder_(folder);
}

}  // namespace vbe

#include "win32/win32_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "win32/wide_text.h"

namespace vbe {
namespace {

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialog library is loaded on the first file dialog, from the system folder only:
// linked at start-up it would bring the shell and its companions into every start of the
// program, for a dialog most sessions open once or never.
FileDialogFunction CommonDialog(const char* name) {
  static const HMODULE library =
      LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!library) return nullptr;
  return reinterpret_cast<FileDialogFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

void Win32UserDialogs::SetFilter(std::string_view filter_list) {
  filter_ = BindTextToWide(filter_list);
  for (wchar_t& c : filter_) {
    if (c == L'|') c = L'\0';
  }
  filter_ += L'\0';
}

Answer Win32UserDialogs::ShowMessage(std::string_view text, std::string_view title, int style) {
  const std::wstring wide_text = Utf8ToWide(text), wide_title = Utf8ToWide(title);
  switch (MessageBoxW(owner_, wide_text.c_str(), wide_title.c_str(), static_cast<UINT>(style))) {
    case IDOK:
      return Answer::Ok;
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<std::filesystem::path> Win32UserDialogs::ChooseFile(
    FileDialogMode mode, const std::filesystem::path& file_name) {
  // Long enough for any path the system can name.
  std::vector<wchar_t> buffer(32768, L'\0');
  const std::wstring start = file_name.wstring();
  if (start.size() < buffer.size()) std::copy(start.begin(), start.end(), buffer.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  FileDialogFunction show;
  if (mode == FileDialogMode::Save) {
    if (flags_ & OverwritePromptFlag) dialog.Flags |= OFN_OVERWRITEPROMPT;
    show = CommonDialog("GetSaveFileNameW");
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
    show = CommonDialog("GetOpenFileNameW");
  }
  if (!show || !show(&dialog)) return std::nullopt;
  return std::filesystem::path(std::wstring(buffer.data()));
}

}  // namespace vbe

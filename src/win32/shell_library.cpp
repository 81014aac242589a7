#include "win32/shell_library.h"

namespace vbe {

HMODULE ShellLibrary() {
  static const HMODULE library =
      LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return library;
}

}  // namespace vbe

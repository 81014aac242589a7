#pragma once

#include <windows.h>

namespace vbe {

// The shell library (shell32.dll), loaded from the system folder the first time one of its
// functions is wanted. Linked at start, it and the libraries it brings with it (shlwapi, shcore
// and more) would be loaded into every start of the program, which needs them only for a file
// dropped on the window or named on the command line.
HMODULE ShellLibrary();

// A function of the shell library by name; null when the library or the function is missing.
template <typename Function>
Function ShellFunction(const char* name) {
  const HMODULE library = ShellLibrary();
  return library
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
             : nullptr;
}

}  // namespace vbe

#include <windows.h>

#include "win32/editor_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  return vbe::RunEditor(instance, show);
}

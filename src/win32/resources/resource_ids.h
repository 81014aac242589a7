#pragma once

// Resource numbers of the editor's Windows program, shared by app.rc and the C++ code that
// loads them. The icon has the lowest number, so the shell shows it as the program's icon.
#define VBE_IDI_APP 1

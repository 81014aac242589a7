# Cross-builds 64-bit Windows programs with Debian's MinGW-w64 (the posix-thread compilers, whose
# C++ library has std::thread and std::mutex). Everything links statically, so each program is a
# single .exe that needs no DLL of ours or of the compiler's. CTest runs the programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VBE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VBE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VBE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VBE_MINGW_TRIPLE}-windres)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Headers and libraries come from the MinGW tree only; programs run at build time are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${VBE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Runs test programs (and GoogleTest's listing of their cases) under Wine.
find_program(VBE_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VBE_WINE})

# Cross-building for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix): the
# posix thread model, and the C++ and GCC runtimes linked in, so that the programs need no DLL
# beyond Windows' own. Tests run under wine64 through CMAKE_CROSSCOMPILING_EMULATOR.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BH_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BH_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BH_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BH_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BH_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
# Debian's wine64 keeps its loader out of the path (/usr/lib/wine); `wine` starts it for a 64-bit
# program.
find_program(BH_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BH_WINE})

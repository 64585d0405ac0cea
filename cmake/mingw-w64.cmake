# Cross-building the Windows programs on Debian with MinGW-w64 (g++-mingw-w64-x86-64-posix).
# Everything is linked statically, so that an .exe runs on a bare Windows without our DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SZL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SZL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SZL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${SZL_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SZL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the test programs under Wine when it is there.
find_program(SZL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(SZL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SZL_WINE})
endif()

# Cross build for the device's Win32 API with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every test executable runs through Wine in a device of its own.
get_filename_component(_quillon_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_quillon_root}/tools/wine-test")

# Compiler cache shared by every checkout on the machine: paths below the checkout are
# hashed relative to it, so a second worktree reuses the first one's objects.
find_program(QUILLON_CCACHE ccache)
if(QUILLON_CCACHE)
  set(_quillon_launcher /usr/bin/env CCACHE_BASEDIR=${_quillon_root} CCACHE_NOHASHDIR=true
      CCACHE_SLOPPINESS=time_macros ${QUILLON_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${_quillon_launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${_quillon_launcher})
endif()

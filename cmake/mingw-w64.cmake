# Cross-compiling for 64-bit Windows with Debian's mingw-w64:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake [-DCMAKE_PREFIX_PATH=QT_FOR_WINDOWS]
# The -posix compilers by name: Qt for Windows (scripts/qt-windows) is built
# with the posix-thread runtime, and the plain x86_64-w64-mingw32-g++ may be
# the win32-thread one (it registers with the higher priority). A program
# and its Qt must share one runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
# Qt for Windows is found where CMAKE_PREFIX_PATH points, outside the root.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The test programs run by Wine (ctest -L wine, cmake/Tests.cmake): Debian's
# wine64 keeps the real loader out of PATH.
find_program(WRK7_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(WRK7_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WRK7_WINE64})
endif()

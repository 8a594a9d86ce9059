# Cross build of the Windows program with Debian's MinGW-w64
# (g++-mingw-w64-x86-64 or g++-mingw-w64-i686); WECKWERK_TARGET names the
# target, x86_64-w64-mingw32 or i686-w64-mingw32. The tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WECKWERK_TARGET)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${WECKWERK_TARGET}")

set(CMAKE_C_COMPILER ${WECKWERK_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WECKWERK_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${WECKWERK_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WECKWERK_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# A program that runs by itself: the GCC runtime and the C++ library are
# linked in, so that only KERNEL32, the C runtime and WSOCK32 are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE})

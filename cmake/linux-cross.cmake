# Cross build of the Linux programs with Debian's cross compilers
# (g++-aarch64-linux-gnu, g++-arm-linux-gnueabihf, g++-mips-linux-gnu);
# WECKWERK_TARGET names the target. The tests run under qemu-user, which
# needs no system root for static programs.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WECKWERK_TARGET)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${WECKWERK_TARGET}")

set(CMAKE_C_COMPILER ${WECKWERK_TARGET}-gcc)
set(CMAKE_CXX_COMPILER ${WECKWERK_TARGET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${WECKWERK_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

find_program(QEMU qemu-${CMAKE_SYSTEM_PROCESSOR} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU})

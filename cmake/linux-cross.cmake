# Cross build of the Linux programs with Debian's cross compilers
# (g++-<triplet>; clang for the MIPS ones, cmake/musl.cmake); WECKWERK_TARGET
# names the target. The tests run under qemu-user as each processor of
# WECKWERK_QEMU_CPU, the oldest ones promised, so that no instruction
# beyond them goes unseen. A static program is linked
# with musl (cmake/musl.cmake). A dynamic program, for the Debian package,
# runs with the C library that Debian installs for its architecture
# (libc6:arm64, say), as on its own machine; the cross compiler's copy
# breaks fork under qemu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WECKWERK_TARGET WECKWERK_QEMU_CPU WECKWERK_STATIC)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${WECKWERK_TARGET}")

if(WECKWERK_STATIC)
  include(${CMAKE_CURRENT_LIST_DIR}/musl.cmake)
else()
  set(CMAKE_C_COMPILER ${WECKWERK_TARGET}-gcc)
  set(CMAKE_CXX_COMPILER ${WECKWERK_TARGET}-g++)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${WECKWERK_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# qemu calls the 32-bit x86 machine i386.
set(qemu_machine ${CMAKE_SYSTEM_PROCESSOR})
if(qemu_machine STREQUAL "i686")
  set(qemu_machine i386)
endif()
find_program(QEMU qemu-${qemu_machine} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU})
# The first processor's runs are the build's own; tests/CMakeLists.txt adds
# the others'.
if(WECKWERK_QEMU_CPU)
  list(GET WECKWERK_QEMU_CPU 0 first_cpu)
  list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -cpu ${first_cpu})
endif()

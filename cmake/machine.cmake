# SPDX-License-Identifier: MIT
# The toolchain of the machine of cmake/machines.txt that WECKWERK_MACHINE names.
# Its row's columns become WECKWERK_TARGET ... WECKWERK_PROGRAM_FILE, empty for "-".
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WECKWERK_MACHINE)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/machines.txt row REGEX "^${WECKWERK_MACHINE}\\|")
if(NOT row MATCHES "^[^|]+\\|([^|]+)\\|([^|]+)\\|([^|]+)\\|([^|]+)\\|([^|]+)\\|([^|]+)\\|(.+)$")
  message(FATAL_ERROR "cmake/machines.txt has no machine \"${WECKWERK_MACHINE}\" (WECKWERK_MACHINE)")
endif()
set(column 1)
foreach(name IN ITEMS TARGET EMULATOR QEMU_CPU C_LIBRARY DEB_ARCH RPM_ARCH PROGRAM_FILE)
  set(WECKWERK_${name} "${CMAKE_MATCH_${column}}")
  if(WECKWERK_${name} STREQUAL "-")
    set(WECKWERK_${name} "")
  endif()
  math(EXPR column "${column} + 1")
endforeach()
string(REPLACE " " ";" WECKWERK_QEMU_CPU "${WECKWERK_QEMU_CPU}")

# Another machine's libraries are found in Debian's folder for it.
if(WECKWERK_EMULATOR)
  set(CMAKE_SYSTEM_NAME Linux)
  string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${WECKWERK_TARGET}")
  set(CMAKE_FIND_ROOT_PATH /usr/${WECKWERK_TARGET})
  set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
  # GoogleTest's sources, compiled for the target.
  set(WECKWERK_GTEST_SOURCE_DIR /usr/src/googletest)
endif()
if(WECKWERK_C_LIBRARY STREQUAL "mingw")
  set(CMAKE_SYSTEM_NAME Windows)
  set(CMAKE_C_COMPILER ${WECKWERK_TARGET}-gcc-posix)
  set(CMAKE_CXX_COMPILER ${WECKWERK_TARGET}-g++-posix)
  set(CMAKE_RC_COMPILER ${WECKWERK_TARGET}-windres)
  # A program that runs by itself: the GCC runtime and the C++ library are
  # linked in, so that only KERNEL32, the C runtime and WSOCK32 are imported.
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
elseif(WECKWERK_C_LIBRARY STREQUAL "musl")
  set(WECKWERK_STATIC ON)
  include(${CMAKE_CURRENT_LIST_DIR}/musl.cmake)
else()
  # The packages' program runs with the C library that Debian installs for its
  # architecture (libc6:arm64), as on its own machine: the cross compiler's copy
  # breaks fork under qemu.
  set(CMAKE_C_COMPILER ${WECKWERK_TARGET}-gcc)
  set(CMAKE_CXX_COMPILER ${WECKWERK_TARGET}-g++)
  set(WECKWERK_HARDENING ON)
endif()

# The tests run under qemu-user as the row's first processor, the oldest
# promised, so that no instruction beyond it goes unseen; or under Wine.
if(WECKWERK_EMULATOR)
  find_program(EMULATOR ${WECKWERK_EMULATOR} REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${EMULATOR})
  if(WECKWERK_QEMU_CPU)
    list(GET WECKWERK_QEMU_CPU 0 first_cpu)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -cpu ${first_cpu})
  endif()
endif()

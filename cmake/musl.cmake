# SPDX-License-Identifier: MIT
# The single-file Linux programs: static, on the musl of tools/build-musl, with no
# library, locale file or (MIPS) FPU needed. Debian's C++ library is made for
# glibc, so it is neither included nor linked; the unit tests run in other builds.
# The library is complete when the compiler that built it is written beside it.
if(NOT WECKWERK_MUSL_DIR)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tools/build-musl --dir ${WECKWERK_TARGET}
    OUTPUT_VARIABLE musl_dir OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(WECKWERK_MUSL_DIR ${musl_dir} CACHE PATH "The musl C library of a single-file program (tools/build-musl)")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WECKWERK_MUSL_DIR)
if(NOT EXISTS ${WECKWERK_MUSL_DIR}/compiler)
  message(FATAL_ERROR "musl for ${WECKWERK_TARGET} is missing in ${WECKWERK_MUSL_DIR}: "
    "run tools/install-deps --all, or tools/build-musl ${WECKWERK_TARGET}")
endif()
# The compiler that built the library: clang for musl's target, with lld; or
# Debian's cross compiler, with its helper routines (libgcc).
file(STRINGS ${WECKWERK_MUSL_DIR}/compiler musl_compiler LIMIT_COUNT 1)
if(musl_compiler STREQUAL "clang")
  string(REGEX REPLACE "-.*" "-linux-musl" clang_target ${WECKWERK_TARGET})
  set(CMAKE_C_COMPILER clang)
  set(CMAKE_C_COMPILER_TARGET ${clang_target})
  set(CMAKE_CXX_COMPILER clang++)
  set(CMAKE_CXX_COMPILER_TARGET ${clang_target})
  # The compile options come along to the link, where clang warns that
  # -nostdinc means nothing.
  set(musl_linker "-fuse-ld=lld -Wno-unused-command-line-argument")
else()
  set(CMAKE_C_COMPILER ${WECKWERK_TARGET}-gcc)
  set(CMAKE_CXX_COMPILER ${WECKWERK_TARGET}-g++)
  set(musl_helpers -lgcc)
endif()
# The library's compiler options, its headers in place of the system's, and
# nothing that needs the C++ library's run time.
file(READ ${WECKWERK_MUSL_DIR}/cflags musl_flags)
string(STRIP "${musl_flags}" musl_flags)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=include
  OUTPUT_VARIABLE compiler_headers OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(CMAKE_CXX_FLAGS_INIT
  "${musl_flags} -nostdinc -isystem ${WECKWERK_MUSL_DIR}/include -isystem ${compiler_headers} -fno-exceptions -fno-rtti")
# Where clang builds, no helper library at all (Debian packages no compiler-rt
# for MIPS): a routine only a helper has (floating point, a 64-bit division)
# fails the link, as any linker warning does. No RELRO: musl applies it only in
# its dynamic linker, and its page alignment would pad the arm64 file by 48 KB.
set(musl_lib ${WECKWERK_MUSL_DIR}/lib)
set(CMAKE_CXX_LINK_EXECUTABLE
  "<CMAKE_CXX_COMPILER> <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> ${musl_linker} -static -nostdlib -Wl,--fatal-warnings -Wl,-z,norelro ${musl_lib}/crt1.o ${musl_lib}/crti.o <OBJECTS> -o <TARGET> <LINK_LIBRARIES> -Wl,--start-group ${musl_lib}/libc.a ${musl_helpers} -Wl,--end-group ${musl_lib}/crtn.o")

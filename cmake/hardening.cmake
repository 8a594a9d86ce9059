# SPDX-License-Identifier: MIT
# Debian's hardening flags (dpkg-buildflags, hardening=+all) for the project's
# own code; optimisation and debug information stay the build type's.
# WECKWERK_HARDENED tells the package test whether the flags were found.
set(WECKWERK_HARDENED false)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags is missing (Debian package dpkg-dev): no hardening flags")
  return()
endif()
# dpkg-buildflags answers for DEB_HOST_ARCH, the build machine's unless set.
set(target_architecture)
if(WECKWERK_DEB_ARCH)
  set(target_architecture DEB_HOST_ARCH=${WECKWERK_DEB_ARCH})
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${target_architecture}
    ${DPKG_BUILDFLAGS} --get ${kind} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
  if(kind STREQUAL LDFLAGS)
    target_link_options(weckwerk_options INTERFACE ${flags})
  else()
    target_compile_options(weckwerk_options INTERFACE ${flags})
  endif()
endforeach()
set(WECKWERK_HARDENED true)

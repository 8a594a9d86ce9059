# SPDX-License-Identifier: MIT
# A Linux installation's man pages and completions, and the Debian and RPM
# packages (cpack -G DEB|RPM), which add more in cmake/package-staging.cmake.
install(FILES ${PROJECT_BINARY_DIR}/man/weckwerk.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/man/de/weckwerk.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

# The packages' documents, gzipped without a time stamp, so that they build the same twice.
find_program(GZIP gzip REQUIRED)
function(weckwerk_gzip input output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${GZIP} -9nc ${input} > ${output}
    DEPENDS ${input}
    COMMENT "Compressing ${output}")
endfunction()
foreach(page ${man_pages})
  weckwerk_gzip(${PROJECT_BINARY_DIR}/man/${page} man/${page}.gz)
endforeach()

# The packages' changelogs: each "## VERSION (YYYY-MM-DD)" heading of CHANGELOG.md
# and its "- " items, in Debian's format and in RPM's.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE CHANGELOG.md)
file(STRINGS CHANGELOG.md changelog_lines)
set(CPACK_PACKAGE_CONTACT "Weckwerk-Projekt <weckwerk@example.org>")
set(debian_changelog "")
set(rpm_changelog "")
set(entry_version "")
foreach(line IN LISTS changelog_lines ITEMS "## end")
  if(line MATCHES "^## ")
    if(entry_version)
      string(APPEND debian_changelog "weckwerk (${entry_version}) unstable; urgency=medium\n\n${debian_items}\n"
        " -- ${CPACK_PACKAGE_CONTACT}  ${debian_date}\n\n")
      string(APPEND rpm_changelog "* ${rpm_date} ${CPACK_PACKAGE_CONTACT} - ${entry_version}-1\n${rpm_items}\n")
    elseif(NOT line MATCHES "^## ${PROJECT_VERSION} ")
      message(FATAL_ERROR "CHANGELOG.md does not begin with an entry for version ${PROJECT_VERSION}")
    endif()
    if(line MATCHES "^## ([^ ]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
      set(entry_version ${CMAKE_MATCH_1})
      execute_process(COMMAND env LC_ALL=C date -u -d "${CMAKE_MATCH_2} 12:00" "+%a, %d %b %Y %T +0000|%a %b %d %Y"
        OUTPUT_VARIABLE dates OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      string(REPLACE "|" ";" dates "${dates}")
      list(GET dates 0 debian_date)
      list(GET dates 1 rpm_date)
      set(debian_items "")
      set(rpm_items "")
    elseif(NOT line STREQUAL "## end")
      message(FATAL_ERROR "CHANGELOG.md: a heading that is not \"## VERSION (YYYY-MM-DD)\": ${line}")
    endif()
  elseif(entry_version AND line MATCHES "^- (.*)$")
    string(APPEND debian_items "  * ${CMAKE_MATCH_1}\n")
    string(APPEND rpm_items "- ${CMAKE_MATCH_1}\n")
  elseif(entry_version AND line MATCHES "^  (.*)$")
    string(APPEND debian_items "    ${CMAKE_MATCH_1}\n")
    string(APPEND rpm_items "  ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(REGEX REPLACE "\n$" "" debian_changelog "${debian_changelog}")
file(WRITE ${PROJECT_BINARY_DIR}/changelog "${debian_changelog}")
file(WRITE ${PROJECT_BINARY_DIR}/rpm-changelog "${rpm_changelog}")
weckwerk_gzip(${PROJECT_BINARY_DIR}/changelog changelog.gz)
add_custom_target(compressed_docs ALL DEPENDS man/weckwerk.1.gz man/de/weckwerk.1.gz changelog.gz)

# The licence's terms, indented as a Debian copyright file wants them.
file(READ LICENSE license)
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n(.*)\n$" "\\1" LICENSE_TERMS "${license}")
string(REPLACE "\n\n" "\n.\n" LICENSE_TERMS "${LICENSE_TERMS}")
string(REPLACE "\n" "\n " LICENSE_TERMS "${LICENSE_TERMS}")
configure_file(packaging/copyright.in copyright @ONLY)

# Each completion stands alone: its template with the one awk program of all three
# indented into its place, between single quotes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS completion/known_addresses.awk)
file(READ completion/known_addresses.awk known_addresses_awk)
if(known_addresses_awk MATCHES "['\\]")
  message(FATAL_ERROR "completion/known_addresses.awk holds a ' or a \\, which the completions' single quotes cannot")
endif()
string(REGEX REPLACE "\n$" "" known_addresses_awk "${known_addresses_awk}")
function(weckwerk_completion name indent shell)
  string(REPLACE "\n" "\n${indent}" KNOWN_ADDRESSES_AWK "${known_addresses_awk}")
  configure_file(completion/${name}.in completion/${name} @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/completion/${name} DESTINATION ${WECKWERK_${shell}_COMPLETION_DIR})
endfunction()
weckwerk_completion(weckwerk "    " BASH)
weckwerk_completion(_weckwerk "  " ZSH)
weckwerk_completion(weckwerk.fish "      " FISH)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME weckwerk)
set(CPACK_PACKAGE_VENDOR "Weckwerk-Projekt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wake a sleeping computer on the local network (Wake-on-LAN)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Weckwerk broadcasts one Wake-on-LAN magic packet for the MAC address\n"
  "named on the command line, as a single UDP datagram to 255.255.255.255\n"
  "port 2304, and ends. It keeps no state, reads no configuration and\n"
  "writes no files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Another machine's packages: dpkg-shlibdeps reads the dependencies off its C
# library, which Debian installs through multiarch.
if(WECKWERK_DEB_ARCH)
  find_program(DPKG_ARCHITECTURE dpkg-architecture REQUIRED)
  execute_process(COMMAND ${DPKG_ARCHITECTURE} -a ${WECKWERK_DEB_ARCH} -q DEB_HOST_MULTIARCH
    OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${WECKWERK_DEB_ARCH})
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS /usr/lib/${multiarch})
  if(WECKWERK_DEB_ARCH STREQUAL "armhf")
    # An armhf system on an ARMv6 processor gets a refusal, not a program
    # that dies of an illegal instruction.
    # It names the single file for ARMv5 and ARMv6: the musl machine of arm-linux-gnueabi.
    file(STRINGS cmake/machines.txt armv6_machine REGEX "^[^|]+\\|arm-linux-gnueabi\\|[^|]*\\|[^|]*\\|musl\\|")
    string(REGEX REPLACE "\\|.*" "" ARMV6_MACHINE "${armv6_machine}")
    configure_file(packaging/preinst-armhf.in preinst @ONLY)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/preinst)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  endif()
endif()
if(WECKWERK_RPM_ARCH)
  set(CPACK_RPM_PACKAGE_ARCHITECTURE ${WECKWERK_RPM_ARCH})
endif()

# The RPM package holds the same files, and is the same byte for byte from one
# commit given SOURCE_DATE_EPOCH: times come from it, and no host name goes in.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_SUMMARY "Wake a sleeping computer on the local network (Wake-on-LAN)")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_GROUP "Applications/Internet")
# The RPM package's %changelog, from CHANGELOG.md (else CPack puts in a
# placeholder entry of its own).
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
string(CONCAT CPACK_RPM_SPEC_MORE_DEFINE
  "%define packager ${CPACK_PACKAGE_CONTACT}\n"
  "%define _build_id_links none\n"
  "%define _buildhost reproducible\n"
  "%define use_source_date_epoch_as_buildtime 1\n"
  "%define clamp_mtime_to_source_date_epoch 1")
# Folders that the system's own packages own.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/man /usr/share/man/man1 /usr/share/man/de /usr/share/man/de/man1
  /usr/share/bash-completion /usr/share/bash-completion/completions
  /usr/share/zsh /usr/share/zsh/site-functions /usr/share/fish /usr/share/fish/vendor_completions.d)
# What cmake/package-staging.cmake adds before packing.
set(CPACK_WECKWERK_BINARY_DIR ${PROJECT_BINARY_DIR})
set(CPACK_WECKWERK_PROGRAM ${CMAKE_INSTALL_BINDIR}/weckwerk)
set(CPACK_WECKWERK_MAN_PAGES ${man_pages})
set(CPACK_WECKWERK_MANDIR ${CMAKE_INSTALL_MANDIR})
set(CPACK_WECKWERK_DOCDIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_WECKWERK_ZSH_COMPLETION_DIR ${WECKWERK_ZSH_COMPLETION_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package-staging.cmake)
# CPack has stripped the program already, with the target's own strip.
set(CPACK_RPM_SPEC_INSTALL_POST /bin/true)
# Named, the component gets a manifest of its own: install_manifest.txt stays
# the record of `cmake --install build`, which the README's uninstall line reads.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
include(CPack)

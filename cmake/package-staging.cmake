# SPDX-License-Identifier: MIT
# Run by cpack before it packs: what the packages hold beside a plain install.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(mode FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The packages' program has Debian's hardening (WECKWERK_HARDENING).
execute_process(COMMAND ${CPACK_READELF_EXECUTABLE} -ldW --dyn-syms ${usr}/${CPACK_WECKWERK_PROGRAM}
  OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
foreach(mark GNU_RELRO BIND_NOW " PIE" __stack_chk_fail)
  if(NOT headers MATCHES "${mark}")
    message(FATAL_ERROR "The program lacks Debian's hardening (no ${mark}): configure with -DWECKWERK_HARDENING=ON")
  endif()
endforeach()
# The man pages compressed, as Debian and Fedora ship them (target compressed_docs).
foreach(page IN LISTS CPACK_WECKWERK_MAN_PAGES)
  get_filename_component(name ${page} NAME)
  get_filename_component(language ${page} DIRECTORY)
  string(REGEX REPLACE "^.*\\." "man" section ${name})
  string(REGEX REPLACE "^/" "" folder ${language}/${section})
  file(REMOVE ${usr}/${CPACK_WECKWERK_MANDIR}/${folder}/${name})
  file(COPY ${CPACK_WECKWERK_BINARY_DIR}/man/${page}.gz DESTINATION ${usr}/${CPACK_WECKWERK_MANDIR}/${folder} ${mode})
endforeach()
# The copyright and the changelog, each distribution's own in its packages.
file(MAKE_DIRECTORY ${usr}/${CPACK_WECKWERK_DOCDIR})
file(COPY ${CPACK_WECKWERK_BINARY_DIR}/copyright ${CPACK_WECKWERK_BINARY_DIR}/changelog.gz
  DESTINATION ${usr}/${CPACK_WECKWERK_DOCDIR} ${mode})
# Debian's zsh reads completions from its own folder.
set(zsh ${usr}/${CPACK_WECKWERK_ZSH_COMPLETION_DIR})
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT zsh MATCHES "/vendor-completions$")
  file(MAKE_DIRECTORY ${usr}/share/zsh/vendor-completions)
  file(RENAME ${zsh}/_weckwerk ${usr}/share/zsh/vendor-completions/_weckwerk)
  file(REMOVE_RECURSE ${zsh})
endif()
# rpm lowers newer times to SOURCE_DATE_EPOCH, but installed files keep their
# source's, maybe older, time: made new, they get the same times in every clone.
if(CPACK_GENERATOR STREQUAL "RPM")
  file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
  file(TOUCH_NOCREATE ${staged})
endif()

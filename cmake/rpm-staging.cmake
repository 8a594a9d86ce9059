# Run by cpack before it packs, on the files it has installed for the RPM
# package.
if(NOT CPACK_GENERATOR STREQUAL "RPM")
  return()
endif()
# The zsh completion moves from Debian's folder to the one that zsh reads on
# Fedora and openSUSE.
set(zsh ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/zsh)
if(EXISTS ${zsh}/vendor-completions/_weckwerk)
  file(MAKE_DIRECTORY ${zsh}/site-functions)
  file(RENAME ${zsh}/vendor-completions/_weckwerk ${zsh}/site-functions/_weckwerk)
  file(REMOVE_RECURSE ${zsh}/vendor-completions)
endif()
# Installed files keep their source's time, which may be older than
# SOURCE_DATE_EPOCH; rpm only lowers newer times to it. So every file
# becomes new, and the package carries the same times from every clone.
file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
file(TOUCH_NOCREATE ${staged})

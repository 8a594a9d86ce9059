# Run by cpack before it packs: in the RPM package the zsh completion moves
# from Debian's folder to the one that zsh reads on Fedora and openSUSE.
if(CPACK_GENERATOR STREQUAL "RPM")
  set(share ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/zsh)
  if(EXISTS ${share}/vendor-completions/_weckwerk)
    file(MAKE_DIRECTORY ${share}/site-functions)
    file(RENAME ${share}/vendor-completions/_weckwerk ${share}/site-functions/_weckwerk)
    file(REMOVE_RECURSE ${share}/vendor-completions)
  endif()
endif()

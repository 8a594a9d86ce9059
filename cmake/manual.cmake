# The manual, weckwerk(1) in English and German, configured with the
# version. Linux installs the man pages (cmake/packaging.cmake).
# Windows has no man and none of Linux's files, commands and settings: its
# manual is pages of its own (man/windows), made by mandoc into HTML pages
# for a browser, weckwerk.html and weckwerk-de.html, which tools/release
# puts beside weckwerk.exe.
if(WIN32)
  set(man_pages windows/weckwerk.1 windows/de/weckwerk.1)
else()
  set(man_pages weckwerk.1 de/weckwerk.1)
endif()
foreach(page ${man_pages})
  configure_file(man/${page}.in man/${page} @ONLY)
endforeach()

if(WIN32)
  find_program(MANDOC mandoc)
endif()
# The release's Windows programs are cross-built, and their zips must hold
# the manual; a build on Windows itself goes without it where mandoc is
# missing.
if(WIN32 AND NOT MANDOC AND CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "mandoc is missing, so the manual cannot be made as HTML: run tools/install-deps --all (Debian package mandoc)")
elseif(WIN32 AND NOT MANDOC)
  message(STATUS "mandoc is missing: this build makes no HTML manual")
elseif(WIN32)
  # Each page's HTML page, in the order of man_pages.
  set(html_names weckwerk.html weckwerk-de.html)
  set(html_pages)
  foreach(page html IN ZIP_LISTS man_pages html_names)
    # An error in the page (mandoc's -W error: a missing name, say) fails
    # the build, and leaves no half-made page behind.
    add_custom_command(OUTPUT ${html}
      COMMAND ${MANDOC} -T html -W error ${PROJECT_BINARY_DIR}/man/${page} > ${html}.new
      COMMAND ${CMAKE_COMMAND} -E rename ${html}.new ${html}
      DEPENDS ${PROJECT_BINARY_DIR}/man/${page}
      COMMENT "Making the manual page ${html}")
    list(APPEND html_pages ${PROJECT_BINARY_DIR}/${html})
  endforeach()
  add_custom_target(html_manual ALL DEPENDS ${html_pages})
  install(FILES ${html_pages} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

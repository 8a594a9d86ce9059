# The manual, weckwerk(1) in English and German, for Linux and for Windows:
# four pages, each made from a file of its own (man/LANGUAGE/linux.1.in,
# windows.1.in) into which the parts that the pages of one language share
# are joined where it names them with ".so PART", so that each page stands
# alone; then configured with the version and the date of its entry in
# CHANGELOG.md. Linux
# installs its two (cmake/packaging.cmake). Windows has no man and none of
# Linux's files, commands and settings: mandoc makes its two into HTML
# pages for a browser, weckwerk.html and weckwerk-de.html, which
# tools/release puts beside weckwerk.exe. All four are made on every
# build, for the tests that compare them with the program.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS CHANGELOG.md)
file(STRINGS CHANGELOG.md newest_entry REGEX "^## " LIMIT_COUNT 1)
string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+" MANUAL_DATE "${newest_entry}")
# page in man/ of the build folder|its file in man/ of the source
set(manual_sources weckwerk.1|en/linux.1.in de/weckwerk.1|de/linux.1.in
  windows/weckwerk.1|en/windows.1.in windows/de/weckwerk.1|de/windows.1.in)
foreach(row ${manual_sources})
  string(REPLACE "|" ";" row ${row})
  list(GET row 0 page)
  list(GET row 1 source)
  get_filename_component(folder man/${source} DIRECTORY)
  file(READ man/${source} text)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS man/${source})
  string(REGEX MATCHALL "\n\\.so [^\n]+" parts "${text}")
  foreach(part ${parts})
    string(REGEX REPLACE "^\n\\.so " "" part_file "${part}")
    file(READ ${folder}/${part_file} part_text)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${folder}/${part_file})
    string(REPLACE "${part}\n" "\n${part_text}" text "${text}")
  endforeach()
  file(CONFIGURE OUTPUT man/${page} CONTENT "${text}" @ONLY)
endforeach()
if(WIN32)
  set(man_pages windows/weckwerk.1 windows/de/weckwerk.1)
else()
  set(man_pages weckwerk.1 de/weckwerk.1)
endif()

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

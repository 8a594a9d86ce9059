# SPDX-License-Identifier: MIT
# weckwerk(1) in English and German, for Linux and for Windows: four pages, each
# man/LANGUAGE/{linux,windows}.1.in with its ".so PART" lines joined in, so that
# it stands alone, and what it quotes of the program filled in from the source.
# Windows has no man: mandoc makes its two into HTML. All four are made on every
# build, for the tests.
set(manual_facts CHANGELOG.md src/output/messages.h src/output/exit_codes.h src/wake/sender.h tests/texts.sh
  tests/addresses/one_argument.txt tests/addresses/incomplete.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manual_facts})
file(STRINGS CHANGELOG.md newest_entry REGEX "^## " LIMIT_COUNT 1)
string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+" MANUAL_DATE "${newest_entry}")
# The exit codes, the port and the error numbers of a send without a route,
# under the sources' names (@kExitBadAddress@, @WAKE_PORT@, @enetunreach@).
file(STRINGS src/output/exit_codes.h lines REGEX "^ *kExit[A-Za-z]+ = [0-9]+")
file(STRINGS src/wake/sender.h line REGEX "WAKE_PORT = [0-9]+")
file(STRINGS tests/texts.sh numbers REGEX "^enetunreach=")
string(REGEX MATCHALL "[A-Za-z_]+ ?= ?[0-9]+" lines "${lines};${line};${numbers}")
foreach(line ${lines})
  string(REGEX MATCH "^([A-Za-z_]+) ?= ?([0-9]+)$" line "${line}")
  set(${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
endforeach()
# "row ARG": the six bytes the program sends for ARG, or "refused".
file(STRINGS tests/addresses/one_argument.txt rows)
file(STRINGS tests/addresses/incomplete.txt refused_rows)
list(TRANSFORM refused_rows REPLACE "\\|[0-9]+$" "|refused")
foreach(row ${rows} ${refused_rows})
  string(REGEX MATCH "^(.*)\\|([^|]*)$" row "${row}")
  set("row ${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
endforeach()

# Each text of src/output/messages.h, its escapes made bytes, as shown_NAME.
file(READ src/output/messages.h header)
string(REGEX MATCH "#define WECKWERK_NOTICE (\"[^\"]*\")" _ "${header}")
string(REPLACE "WECKWERK_NOTICE \"" "${CMAKE_MATCH_1} \"" header "${header}")
string(REPLACE "WECKWERK_VERSION" "\"${PROJECT_VERSION}\"" header "${header}")
string(REGEX MATCHALL "constexpr char k[A-Za-z0-9]+\\[\\]" message_names "${header}")
list(TRANSFORM message_names REPLACE "^constexpr char (k[A-Za-z0-9]+).*" "\\1")
string(ASCII 8 backspace)
foreach(name ${message_names})
  string(REGEX MATCH "${name}\\[\\] =(([ \n]*\"([^\"\\\\]|\\\\.)*\")+)" text "${header}")
  string(REGEX REPLACE "^[ \n]*\"|\"$|\"[ \n]*\"" "" text "${CMAKE_MATCH_1}")
  string(REPLACE "\\n" "\n" text "${text}")
  string(REPLACE "\\b" "${backspace}" text "${text}")
  if(text MATCHES "\\\\")
    message(FATAL_ERROR "src/output/messages.h: ${name} holds an escape that cmake/manual.cmake does not read")
  endif()
  set(shown_${name} "${text}")
endforeach()
# The byte with which the echo steps back over its last hyphen, in hex.
string(SUBSTRING "${shown_kEchoTail}" 0 1 step_back)
string(HEX "${step_back}" ECHO_STEP_BACK_HEX)

# manual_escape VARIABLE ROFF: VARIABLE's text on one line, blanks joined,
# and with ROFF true written for a page.
function(manual_escape variable roff)
  string(STRIP "${${variable}}" text)
  string(REGEX REPLACE "[ \n]+" " " text "${text}")
  if(roff)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REPLACE "\"" "\\(dq" text "${text}")
  endif()
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# manual_fill VARIABLE LANGUAGE ROFF: fills in a page in LANGUAGE (ROFF false: a
# plain text): @NAME@ (a variable above, or message_NAME), @report CALL ROUTINE
# NUMBER@, and for ARG, which must be a row of tests/addresses: @address ARG@,
# @refused ARG@, @bytes ARG@, @row ARG@ and @run ARG@ (a run as a terminal shows it).
function(manual_fill variable language roff)
  set(text "${${variable}}")
  set(sends_en sends)
  set(refused_en "refused, exit code")
  set(sends_de sendet)
  set(refused_de "abgewiesen, R\\(:uckgabewert")
  set(umlaut_u ü)
  if(roff)
    set(umlaut_u "\\(:u")
  endif()
  foreach(name ${message_names})
    set(message_${name} "${shown_${name}}")
    manual_escape(message_${name} ${roff})
  endforeach()
  foreach(shell BASH ZSH FISH)
    manual_escape(WECKWERK_${shell}_COMPLETION_DIR ${roff})
  endforeach()
  # The notices' %s is the letter u-umlaut.
  string(REPLACE "%s" "${umlaut_u}" message_kUsageNotice "${message_kUsageNotice}")
  string(REPLACE "%s" "${umlaut_u}" message_kFormatErrorNotice "${message_kFormatErrorNotice}")
  string(REGEX MATCHALL "@(address|refused|bytes|row|run|report) [^@\n]+@" placeholders "${text}")
  foreach(placeholder ${placeholders})
    string(REGEX MATCH "^@([a-z]+) (.*)@$" _ "${placeholder}")
    set(kind ${CMAKE_MATCH_1})
    set(argument "${CMAKE_MATCH_2}")
    set(row "row ${argument}")
    set(result "${${row}}")
    if(kind STREQUAL "report")
      string(REPLACE " " ";" words "${argument}")
      list(GET words 0 call)
      list(GET words 1 routine)
      list(GET words 2 number)
      if(NOT DEFINED ${number})
        message(FATAL_ERROR "${placeholder}: ${number} is no error number that cmake/manual.cmake knows")
      endif()
      string(REGEX REPLACE "^([^%]*)%s([^%]*)%s([^%]*)%d" "\\1${call}\\2${routine}\\3${${number}}" made
        "${message_kCallFailedReport}")
    elseif(result STREQUAL "")
      message(FATAL_ERROR "${placeholder}: '${argument}' is no row of tests/addresses/one_argument.txt or incomplete.txt: add it there with what the program makes of it")
    elseif(result STREQUAL "refused" AND kind MATCHES "^(address|bytes|run)$" OR
        NOT result STREQUAL "refused" AND kind STREQUAL "refused")
      message(FATAL_ERROR "${placeholder}: the program does otherwise: tests/addresses has '${argument}|${result}'")
    else()
      string(REPLACE " " "-" sent "${result}")
      # A terminal steps back at the backspace, and the blank after it hides the hyphen.
      string(REGEX REPLACE ".${backspace}" "" run
        "${shown_kBannerLine1}${shown_kBannerLine2}${shown_kEchoHead}${sent}-${shown_kEchoTail}${shown_kSentText}")
      string(STRIP "${run}" run)
      if(roff)
        string(REPLACE "-" "\\-" run "${run}")
      endif()
      if(argument MATCHES " ") # one argument, quoted for a shell
        set(argument "\"${argument}\"")
      endif()
      manual_escape(argument ${roff})
      manual_escape(sent ${roff})
      set(made_address "${argument}")
      set(made_refused "${argument}")
      set(made_bytes "${sent}")
      set(made_run "${run}")
      set(made_row "${argument}|${sends_${language}} ${sent}")
      if(result STREQUAL "refused")
        set(made_row "${argument}|${refused_${language}} ${kExitBadAddress}")
      endif()
      set(made "${made_${kind}}")
    endif()
    string(REPLACE "${placeholder}" "${made}" text "${text}")
  endforeach()
  string(REGEX MATCHALL "@[A-Za-z_0-9]+@" names "${text}")
  foreach(name ${names})
    string(REPLACE "@" "" name "${name}")
    if(NOT DEFINED ${name})
      message(FATAL_ERROR "@${name}@ names nothing that cmake/manual.cmake knows")
    endif()
  endforeach()
  string(CONFIGURE "${text}" text @ONLY)
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# page in man/ of the build folder|its file in man/ of the source
set(manual_sources weckwerk.1|en/linux.1.in de/weckwerk.1|de/linux.1.in
  windows/weckwerk.1|en/windows.1.in windows/de/weckwerk.1|de/windows.1.in)
foreach(row ${manual_sources})
  string(REPLACE "|" ";" row ${row})
  list(GET row 0 page)
  list(GET row 1 source)
  get_filename_component(folder man/${source} DIRECTORY)
  get_filename_component(language ${folder} NAME)
  file(READ man/${source} text)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS man/${source})
  string(REGEX MATCHALL "\n\\.so [^\n]+" parts "${text}")
  foreach(part ${parts})
    string(REGEX REPLACE "^\n\\.so " "" part_file "${part}")
    file(READ ${folder}/${part_file} part_text)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${folder}/${part_file})
    string(REPLACE "${part}\n" "\n${part_text}" text "${text}")
  endforeach()
  manual_fill(text ${language} TRUE)
  file(CONFIGURE OUTPUT man/${page} CONTENT "${text}" @ONLY)
endforeach()
if(NOT WIN32)
  set(man_pages weckwerk.1 de/weckwerk.1)
  return()
endif()
set(man_pages windows/weckwerk.1 windows/de/weckwerk.1)
set(NAME @NAME@) # the release's name, which tools/release fills in
file(READ packaging/windows/README.txt.in text)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/windows/README.txt.in)
manual_fill(text en FALSE)
file(CONFIGURE OUTPUT README.txt CONTENT "${text}" @ONLY)
# The release's zips must hold the manual; a build on Windows itself may go
# without it.
find_program(MANDOC mandoc)
if(NOT MANDOC AND CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "mandoc is missing, so the manual cannot be made as HTML: run tools/install-deps --all (Debian package mandoc)")
elseif(NOT MANDOC)
  message(STATUS "mandoc is missing: this build makes no HTML manual")
  return()
endif()
# Each page's HTML page, in the order of man_pages, and its language.
set(html_names weckwerk.html weckwerk-de.html)
set(html_languages en de)
set(html_pages)
foreach(page html language IN ZIP_LISTS man_pages html_names html_languages)
  # A fault in the page fails the build, and leaves no half-made page behind.
  add_custom_command(OUTPUT ${html}
    COMMAND ${MANDOC} -T html -O fragment -W error ${PROJECT_BINARY_DIR}/man/${page} > ${html}.new
    COMMAND ${CMAKE_COMMAND} -D PAGE=${html}.new -D LANGUAGE=${language} -D OUTPUT=${html}
      -P ${PROJECT_SOURCE_DIR}/cmake/html-manual.cmake
    COMMAND ${CMAKE_COMMAND} -E rm ${html}.new
    DEPENDS ${PROJECT_BINARY_DIR}/man/${page} ${PROJECT_SOURCE_DIR}/cmake/html-manual.cmake
    COMMENT "Making the manual page ${html}")
  list(APPEND html_pages ${PROJECT_BINARY_DIR}/${html})
endforeach()
add_custom_target(html_manual ALL DEPENDS ${html_pages})
install(FILES ${html_pages} DESTINATION ${CMAKE_INSTALL_DOCDIR})

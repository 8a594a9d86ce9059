# cmake -P tools/release-presets.cmake
#
# Prints the presets of CMakePresets.json that tools/release releases, one a
# line, in the file's order: the preset, its release, its target triplet
# (WECKWERK_TARGET, "-" where it has none) and its build folder (relative to
# the source). A preset names its release in its own
# "vendor": {"example.org/weckwerk": {"release": ...}}, which CMake ignores:
# the name of its archive after weckwerk-VERSION- (a .zip for windows-*, a
# .tar.gz otherwise), or "packages" for the Debian and RPM packages. Every
# single-file preset (one that inherits "single-file") must name one; one
# that does not fails here, and so fails the release and the tests.
cmake_minimum_required(VERSION 3.25)
file(READ ${CMAKE_CURRENT_LIST_DIR}/../CMakePresets.json presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  string(JSON preset GET "${presets}" configurePresets ${index})
  string(JSON name GET "${preset}" name)
  set(preset_${name} "${preset}")
  list(APPEND names ${name})
endforeach()

# lineage(VARIABLE NAME): the preset and those it inherits from, in the order
# in which CMake looks for a field.
function(lineage variable name)
  set(line ${name})
  string(JSON type ERROR_VARIABLE none TYPE "${preset_${name}}" inherits)
  set(parents "")
  if(type STREQUAL "STRING")
    string(JSON parents GET "${preset_${name}}" inherits)
  elseif(type STREQUAL "ARRAY")
    string(JSON parent_count LENGTH "${preset_${name}}" inherits)
    math(EXPR last "${parent_count} - 1")
    foreach(index RANGE ${last})
      string(JSON parent GET "${preset_${name}}" inherits ${index})
      list(APPEND parents ${parent})
    endforeach()
  endif()
  foreach(parent IN LISTS parents)
    lineage(ancestors ${parent})
    list(APPEND line ${ancestors})
  endforeach()
  set(${variable} ${line} PARENT_SCOPE)
endfunction()

# field(VARIABLE NAME KEY...): the first value of the field that the preset
# or one it inherits from has; "-" where none has it.
function(field variable name)
  lineage(line ${name})
  foreach(ancestor IN LISTS line)
    string(JSON value ERROR_VARIABLE missing GET "${preset_${ancestor}}" ${ARGN})
    if(NOT missing)
      set(${variable} "${value}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${variable} "-" PARENT_SCOPE)
endfunction()

set(listing "")
foreach(name IN LISTS names)
  string(JSON hidden ERROR_VARIABLE none GET "${preset_${name}}" hidden)
  string(JSON release ERROR_VARIABLE none GET "${preset_${name}}" vendor example.org/weckwerk release)
  lineage(line ${name})
  if(hidden)
    continue()
  elseif(none AND "single-file" IN_LIST line)
    message(FATAL_ERROR "CMakePresets.json: the single-file preset ${name} names no release "
      "(\"vendor\": {\"example.org/weckwerk\": {\"release\": ...}})")
  elseif(NOT none)
    field(target ${name} cacheVariables WECKWERK_TARGET)
    field(folder ${name} binaryDir)
    string(REPLACE "\${sourceDir}/" "" folder "${folder}")
    string(REPLACE "\${presetName}" "${name}" folder "${folder}")
    string(APPEND listing "${name} ${release} ${target} ${folder}\n")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${listing}")

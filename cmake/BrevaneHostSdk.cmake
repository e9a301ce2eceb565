# The host's libraries as the plug-in sees them: built here as stand-ins, or imported from
# an installed host SDK (BREVANE_HOST_SDK).
#
# The stand-in offers more than the host promises (a parameter store, drive descriptions,
# names for codes the host gives as numbers, ...) for the workbench and the tests. Headers
# mark those parts with a line "// stand-in extra {" before and "// } stand-in extra" after
# them; the headers installed as the host SDK leave them out, so that a plug-in built against
# that SDK uses nothing the real host may lack. Extras only add: virtual functions after the
# host's own, no data members, so both views of a class have the same layout.

# Also included by the install script, which sets no policies of its own.
cmake_policy(VERSION 3.21)

set(BREVANE_EXTRA_BEGIN "// stand-in extra {")
set(BREVANE_EXTRA_END "// } stand-in extra")

# brevane_strip_extras(SOURCE DESTINATION): writes SOURCE without its marked parts. An
# unchanged result leaves DESTINATION as it was, so builds against it stay up to date.
function(brevane_strip_extras source destination)
  file(READ "${source}" text)
  set(result "")
  while(TRUE)
    string(FIND "${text}" "${BREVANE_EXTRA_BEGIN}" begin)
    string(FIND "${text}" "${BREVANE_EXTRA_END}" end)
    if(begin EQUAL -1)
      if(NOT end EQUAL -1)
        message(FATAL_ERROR "${source}: \"${BREVANE_EXTRA_END}\" without a beginning")
      endif()
      break()
    endif()
    if(end LESS begin)
      message(FATAL_ERROR "${source}: \"${BREVANE_EXTRA_END}\" without a beginning")
    endif()
    # The marked lines go whole, with their indentation and line ends.
    string(SUBSTRING "${text}" 0 ${begin} before)
    string(FIND "${before}" "\n" line_start REVERSE)
    math(EXPR keep "${line_start} + 1")
    string(SUBSTRING "${before}" 0 ${keep} before)
    math(EXPR inner_length "${end} - ${begin}")
    string(SUBSTRING "${text}" ${begin} ${inner_length} inner)
    string(FIND "${inner}" "${BREVANE_EXTRA_BEGIN}" nested REVERSE)
    if(NOT nested EQUAL 0)
      message(FATAL_ERROR "${source}: \"${BREVANE_EXTRA_BEGIN}\" inside a marked part")
    endif()
    string(SUBSTRING "${text}" ${end} -1 after)
    string(FIND "${after}" "\n" line_end)
    if(line_end EQUAL -1)
      set(after "")
    else()
      math(EXPR line_end "${line_end} + 1")
      string(SUBSTRING "${after}" ${line_end} -1 after)
    endif()
    string(APPEND result "${before}")
    set(text "${after}")
  endwhile()
  string(APPEND result "${text}")
  # Two blank lines where a part went between blank lines read as one.
  string(REGEX REPLACE "\n\n\n+" "\n\n" result "${result}")
  if(EXISTS "${destination}")
    file(READ "${destination}" old)
    if(old STREQUAL result)
      return()
    endif()
  endif()
  file(WRITE "${destination}" "${result}")
endfunction()

# brevane_install_sdk_headers(STAGING DESTINATION HEADER...): at install time, strips the
# headers into STAGING and installs them from there into DESTINATION under the prefix.
function(brevane_install_sdk_headers staging destination)
  set(stripped "")
  foreach(header IN LISTS ARGN)
    get_filename_component(name "${header}" NAME)
    brevane_strip_extras("${header}" "${staging}/${name}")
    list(APPEND stripped "${staging}/${name}")
  endforeach()
  if(NOT IS_ABSOLUTE "${destination}")
    set(destination "${CMAKE_INSTALL_PREFIX}/${destination}")
  endif()
  file(INSTALL DESTINATION "${destination}" TYPE FILE FILES ${stripped})
endfunction()

# brevane_import_host_library(NAME HEADER DEPENDS...): NAME as an imported target from the
# host SDK in BREVANE_HOST_SDK: its library under lib (or lib64, bin), the folder that holds
# HEADER under include/brevane/host/NAME, include/NAME, include or NAME.
function(brevane_import_host_library name header)
  find_library(BREVANE_HOST_SDK_${name}_LIBRARY NAMES ${name}
    PATHS "${BREVANE_HOST_SDK}" PATH_SUFFIXES ${CMAKE_INSTALL_LIBDIR} lib lib64 bin
    NO_DEFAULT_PATH NO_CACHE)
  find_path(BREVANE_HOST_SDK_${name}_INCLUDE_DIR NAMES ${header}
    PATHS "${BREVANE_HOST_SDK}" PATH_SUFFIXES include/brevane/host/${name} include/${name} include ${name}
    NO_DEFAULT_PATH NO_CACHE)
  foreach(found LIBRARY INCLUDE_DIR)
    if(NOT BREVANE_HOST_SDK_${name}_${found})
      message(FATAL_ERROR "The host SDK in ${BREVANE_HOST_SDK} has no ${name} "
                          "(library lib${name}.so and its header ${header})")
    endif()
  endforeach()
  add_library(${name} SHARED IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    IMPORTED_LOCATION "${BREVANE_HOST_SDK_${name}_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${BREVANE_HOST_SDK_${name}_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "${ARGN}")
endfunction()

# Shared by the install and package checks (cmake -P scripts).

# brevane_run(OUTPUT_VARIABLE command...): runs a command, gives back what it printed on
# stdout, and fails the check with everything it printed unless it exits with 0.
function(brevane_run out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command}\nexited with ${status}:\n${output}${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

# brevane_check_installed_workbench(ROOT): the workbench under ROOT/BINDIR reports the version
# and, without --plugin, loads the plug-in of the same tree and creates every page of its tree.
function(brevane_check_installed_workbench root)
  set(workbench "${root}/${BINDIR}/brevane-workbench")
  set(plugin "${root}/${PLUGIN_DIR}/${PLUGIN_FILE}")
  foreach(file workbench plugin)
    if(NOT EXISTS "${${file}}")
      message(FATAL_ERROR "not installed: ${${file}}")
    endif()
  endforeach()
  if(EXISTS "${root}/${BINDIR}/${PLUGIN_FILE}")
    message(FATAL_ERROR "a plug-in next to the installed workbench would hide the installed one")
  endif()

  file(STRINGS "${plugin}" tags REGEX "^@\\(#\\)Brevane ")
  if(NOT tags STREQUAL "@(#)Brevane ${VERSION}")
    message(FATAL_ERROR "the plug-in carries the version \"${tags}\", not ${VERSION}")
  endif()

  brevane_run(output "${workbench}" --version)
  if(NOT output STREQUAL "brevane-workbench ${VERSION}\n")
    message(FATAL_ERROR "--version printed \"${output}\"")
  endif()

  set(pages "${root}/../pages")
  file(REMOVE_RECURSE "${pages}")
  brevane_run(output "${workbench}" --screenshots "${pages}" --require-all)
  file(GLOB pictures "${pages}/*.png")
  list(LENGTH pictures count)
  if(count LESS 60)
    message(FATAL_ERROR "only ${count} pages rendered:\n${output}")
  endif()
endfunction()

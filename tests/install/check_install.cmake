# Installs the build into a scratch prefix, moves the installed tree elsewhere and runs the
# workbench from there: it must find its libraries and the plug-in by relative paths only.
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
brevane_run(output "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK_DIR}/installed")
file(RENAME "${WORK_DIR}/installed" "${WORK_DIR}/moved")
set(root "${WORK_DIR}/moved")

# The host's libraries and headers come with the host unless asked for.
if(NOT HOST_INSTALLED)
  file(GLOB public_libraries "${root}/${LIBDIR}/*.so*")
  if(EXISTS "${root}/include" OR public_libraries)
    message(FATAL_ERROR "host stand-ins installed without being asked for: ${public_libraries}")
  endif()
endif()

brevane_check_installed_workbench("${root}")

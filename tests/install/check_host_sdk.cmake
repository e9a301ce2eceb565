# Builds the plug-in as an integrator does against the real host: installs the host stand-in
# as a host SDK (headers without the stand-in's extras), configures a second build with
# BREVANE_HOST_SDK and this build's compiler, launcher and flags, builds it and has this
# build's workbench create and show every page of the plug-in it made. A page that uses
# anything the host does not promise fails to compile here.
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

set(sdk "${WORK_DIR}/sdk")
set(build "${WORK_DIR}/build")
# The second build stays between runs: the installed files keep their times, so a run after
# a change rebuilds only what the change touches.
file(REMOVE_RECURSE "${sdk}" "${WORK_DIR}/pages")
brevane_run(output "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --component host --prefix "${sdk}")

file(GLOB_RECURSE headers "${sdk}/include/*.h")
if(NOT headers)
  message(FATAL_ERROR "the host SDK has no headers:\n${output}")
endif()
foreach(header IN LISTS headers)
  file(STRINGS "${header}" leftovers REGEX "stand-in extra|eDeviceTypeKM2|ParameterStore")
  if(leftovers)
    message(FATAL_ERROR "${header} carries the stand-in's extras: ${leftovers}")
  endif()
endforeach()

brevane_run(output "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${build}" -G "${GENERATOR}"
  -C "${CACHE_FILE}" "-DBREVANE_HOST_SDK=${sdk}")
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
brevane_run(output "${CMAKE_COMMAND}" --build "${build}" --parallel ${cores})

set(plugin "${build}/bin/${PLUGIN_FILE}")
if(NOT EXISTS "${plugin}")
  message(FATAL_ERROR "the build against the host SDK made no ${plugin}")
endif()
if(EXISTS "${build}/bin/brevane-workbench" OR EXISTS "${build}/bin/libTxWizardPage.so")
  message(FATAL_ERROR "the build against the host SDK built the stand-in too")
endif()

brevane_run(output "${WORKBENCH}" --plugin "${plugin}" --screenshots "${WORK_DIR}/pages" --require-all)
file(GLOB pictures "${WORK_DIR}/pages/*.png")
list(LENGTH pictures count)
if(count LESS 60)
  message(FATAL_ERROR "only ${count} pages rendered:\n${output}")
endif()

# Builds the Debian packages, checks their names, versions, dependencies and contents,
# unpacks them into a scratch root and runs the workbench from there.
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
brevane_run(output "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/packages")

set(root "${WORK_DIR}/root")
# Package, a dependency it must declare, a file it must hold and one it must not.
set(expectations
  "brevane-plugin|libqt6widgets6|/usr/${PLUGIN_DIR}/${PLUGIN_FILE}|/usr/${BINDIR}/brevane-workbench"
  "brevane-workbench|brevane-plugin (= ${VERSION})|/usr/${BINDIR}/brevane-workbench|${PLUGIN_FILE}")
foreach(expectation IN LISTS expectations)
  string(REPLACE "|" ";" expectation "${expectation}")
  list(GET expectation 0 name)
  list(GET expectation 1 dependency)
  list(GET expectation 2 wanted)
  list(GET expectation 3 unwanted)
  file(GLOB package "${WORK_DIR}/packages/${name}_${VERSION}_*.deb")
  if(NOT package)
    file(GLOB built "${WORK_DIR}/packages/*.deb")
    message(FATAL_ERROR "no package ${name} ${VERSION} among: ${built}")
  endif()
  brevane_run(depends "${DPKG_DEB}" --field "${package}" Depends)
  string(FIND "${depends}" "${dependency}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${name} does not depend on ${dependency}: ${depends}")
  endif()
  brevane_run(contents "${DPKG_DEB}" --contents "${package}")
  string(FIND "${contents}" ".${wanted}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "${name} lacks ${wanted}:\n${contents}")
  endif()
  string(FIND "${contents}" "${unwanted}" at)
  if(NOT at LESS 0)
    message(FATAL_ERROR "${name} holds ${unwanted}:\n${contents}")
  endif()
  brevane_run(output "${DPKG_DEB}" --extract "${package}" "${root}")
endforeach()

set(root "${root}/usr")
brevane_check_installed_workbench("${root}")

# What makes a build from an empty compiler cache fast, without changing what is built or how
# strictly: line tables instead of full debug information, Qt's headers precompiled once per
# target, the pages compiled in batches, and lld where it is installed.

# Line tables are what the tests, the debugger's backtraces and the sanitizers' reports use;
# full debug information (types, locals) nearly doubles the time of every file.
foreach(config RELWITHDEBINFO DEBUG)
  string(REGEX REPLACE "(^| )-g( |$)" "\\1-g1\\2" CMAKE_CXX_FLAGS_${config} "${CMAKE_CXX_FLAGS_${config}}")
endforeach()

option(BREVANE_PRECOMPILED_HEADERS "Precompile Qt's headers once per target" ON)
option(BREVANE_UNITY_BUILD "Compile the pages in batches" ON)

include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld BREVANE_HAVE_LLD)
if(BREVANE_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()

# brevane_precompile_headers(target...): Qt's common headers precompiled for each target.
function(brevane_precompile_headers)
  if(NOT BREVANE_PRECOMPILED_HEADERS)
    return()
  endif()
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/BrevanePrecompiled.h)
    endif()
  endforeach()
endfunction()

# brevane_share_precompiled_headers(from target...): the targets use from's precompiled headers
# instead of building their own; they must compile with the same flags and definitions.
function(brevane_share_precompiled_headers from)
  if(NOT BREVANE_PRECOMPILED_HEADERS OR NOT TARGET ${from})
    return()
  endif()
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
  endforeach()
endfunction()

# brevane_all_targets(result dir): the compiled targets defined in dir and below.
function(brevane_all_targets result dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    brevane_all_targets(more ${subdir})
    list(APPEND targets ${more})
  endforeach()
  set(compiled)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      list(APPEND compiled ${target})
    endif()
  endforeach()
  set(${result} ${compiled} PARENT_SCOPE)
endfunction()

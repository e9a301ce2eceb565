# Where an installation puts things. Paths are relative to the install prefix, so that the
# installed tree can be moved as a whole (the workbench finds its libraries and the plug-in
# by paths relative to its own executable).
include(GNUInstallDirs)

# A folder of its own under the library directory: a host scans it for plug-ins and loads
# them by file name, so nothing else belongs there, and the dynamic linker never looks there.
set(BREVANE_PLUGIN_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/brevane/plugins" CACHE STRING
    "Folder for the plug-in, relative to the install prefix (the host's plug-in folder)")
# The host's libraries come with the host; the stand-ins are for building and testing
# against it without the host.
option(BREVANE_INSTALL_HOST "Also install the host stand-in libraries and their headers" OFF)

# The workbench's private copies of the host stand-in libraries, beside the plug-in folder.
# Not directly in lib/brevane: CPack gives a package with libraries there or in lib itself
# ldconfig maintainer scripts, whose postrm would keep the removed package in state "rc".
set(BREVANE_PRIVATE_LIBRARY_DIR "${CMAKE_INSTALL_LIBDIR}/brevane/lib")

# brevane_install_relative_path(OUT FROM TO): the path from one install folder to another,
# for $ORIGIN-based run paths and the workbench's plug-in lookup.
function(brevane_install_relative_path out from to)
  foreach(dir from to)
    if(IS_ABSOLUTE "${${dir}}")
      set(${dir}_full "${${dir}}")
    else()
      # Two relative folders give the same result under any prefix.
      set(${dir}_full "${CMAKE_INSTALL_PREFIX}/${${dir}}")
    endif()
  endforeach()
  file(RELATIVE_PATH relative "${from_full}" "${to_full}")
  if(relative STREQUAL "")
    set(relative ".")
  endif()
  set(${out} "${relative}" PARENT_SCOPE)
endfunction()

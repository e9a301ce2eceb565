# Install rules. Components: "plugin" (what a host needs), "workbench" (the workbench with
# private copies of the host stand-in libraries) and "host" (the stand-in as a host SDK:
# libraries and headers without the stand-in's extras), installed with BREVANE_INSTALL_HOST
# and otherwise only when asked for by name (cmake --install <build> --component host).

get_target_property(brevane_host_libraries BrevaneHost INTERFACE_LINK_LIBRARIES)

install(TARGETS Brevane
  LIBRARY DESTINATION ${BREVANE_PLUGIN_INSTALL_DIR} COMPONENT plugin NAMELINK_SKIP)
# The host has loaded its own libraries before it loads the plug-in; the plug-in carries no
# run path that could pull in anything else.
set_target_properties(Brevane PROPERTIES INSTALL_RPATH "")

# Built against a host SDK, there is nothing but the plug-in.
if(BREVANE_HOST_SDK)
  return()
endif()

if(TARGET brevane-workbench)
  install(TARGETS brevane-workbench RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT workbench)
  install(TARGETS ${brevane_host_libraries}
    LIBRARY DESTINATION ${BREVANE_PRIVATE_LIBRARY_DIR} COMPONENT workbench NAMELINK_SKIP)
  brevane_install_relative_path(private_dir ${CMAKE_INSTALL_BINDIR} ${BREVANE_PRIVATE_LIBRARY_DIR})
  set_target_properties(brevane-workbench PROPERTIES INSTALL_RPATH "$ORIGIN/${private_dir}")
  # Like the host, the workbench loads every host library before the plug-in, which finds
  # them loaded: its own dependencies are not searched on the workbench's run path. The
  # linker would otherwise drop those the workbench calls nothing of.
  target_link_options(brevane-workbench PRIVATE "LINKER:--no-as-needed")
endif()

# The stand-in libraries find each other in their own folder, wherever that is.
set_target_properties(${brevane_host_libraries} PROPERTIES INSTALL_RPATH "$ORIGIN")

set(brevane_host_exclude EXCLUDE_FROM_ALL)
if(BREVANE_INSTALL_HOST)
  set(brevane_host_exclude "")
endif()
install(TARGETS ${brevane_host_libraries} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  COMPONENT host ${brevane_host_exclude})
foreach(library IN LISTS brevane_host_libraries)
  get_target_property(headers ${library} BREVANE_SDK_HEADERS)
  install(CODE "
    include(\"${PROJECT_SOURCE_DIR}/cmake/BrevaneHostSdk.cmake\")
    brevane_install_sdk_headers(\"${CMAKE_BINARY_DIR}/host-sdk/${library}\"
      \"${CMAKE_INSTALL_INCLUDEDIR}/brevane/host/${library}\" \"${headers}\")"
    COMPONENT host ${brevane_host_exclude})
endforeach()
# The signatures of the plug-in's entry points, for a host that resolves them by name.
install(FILES ${PROJECT_SOURCE_DIR}/plugin/EntryPoints.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/brevane COMPONENT host ${brevane_host_exclude})

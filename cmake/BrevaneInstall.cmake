# Install rules. Components: "plugin" (what a host needs), "workbench" (the workbench with
# private copies of the host stand-in libraries) and, with BREVANE_INSTALL_HOST, "host".

get_target_property(brevane_host_libraries BrevaneHost INTERFACE_LINK_LIBRARIES)

install(TARGETS Brevane
  LIBRARY DESTINATION ${BREVANE_PLUGIN_INSTALL_DIR} COMPONENT plugin NAMELINK_SKIP)
# The host has loaded its own libraries before it loads the plug-in; the plug-in carries no
# run path that could pull in anything else.
set_target_properties(Brevane PROPERTIES INSTALL_RPATH "")

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

if(BREVANE_INSTALL_HOST)
  install(TARGETS ${brevane_host_libraries} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT host)
  foreach(library IN LISTS brevane_host_libraries)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/host/${library}/
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/brevane/host/${library}
      COMPONENT host FILES_MATCHING PATTERN "*.h")
  endforeach()
  # The signatures of the plug-in's entry points, for a host that resolves them by name.
  install(FILES ${PROJECT_SOURCE_DIR}/plugin/EntryPoints.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/brevane COMPONENT host)
endif()

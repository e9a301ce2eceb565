# Debian packages, one per install component:
#   cmake --build <build> --target package     (or ./scripts/make-packages.sh)
# brevane-plugin holds the plug-in; brevane-workbench the workbench and its private host
# stand-ins, and it depends on the plug-in of the same version.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevane)
set(CPACK_PACKAGE_VENDOR "Brevane")
set(CPACK_PACKAGE_CONTACT "Brevane developers <brevane@example.invalid>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brevane)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL plugin workbench)
if(BREVANE_INSTALL_HOST)
  list(APPEND CPACK_COMPONENTS_ALL host)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps has to find the host stand-ins, which no installed package provides: in the
# workbench package they are its own files, and the plug-in gets them from the host.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
if(BREVANE_HOST_SDK)
  # Built against the host's SDK: the plug-in alone, its host libraries found there.
  set(CPACK_COMPONENTS_ALL plugin)
  get_target_property(brevane_sdk_library TxWizardPage IMPORTED_LOCATION)
  get_filename_component(brevane_sdk_library_dir "${brevane_sdk_library}" DIRECTORY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${brevane_sdk_library_dir})
endif()

set(CPACK_DEBIAN_PLUGIN_PACKAGE_NAME brevane-plugin)
# Each package its own description: the first line is its summary. (A package-wide summary
# would be put in front of every one.)
set(CPACK_DEBIAN_PLUGIN_DESCRIPTION
  "Motion-block application pages for a servo drive commissioning host\nThe 63 wizard pages of the drive's motion-block application, loaded by the host from its plug-in folder.")
set(CPACK_DEBIAN_WORKBENCH_PACKAGE_NAME brevane-workbench)
set(CPACK_DEBIAN_WORKBENCH_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_WORKBENCH_DESCRIPTION
  "Workbench host to try the Brevane plug-in against a simulated drive\nRuns every page of the installed plug-in against a simulated drive, interactively or rendering each page to a picture.")
set(CPACK_COMPONENT_WORKBENCH_DEPENDS plugin)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_HOST_PACKAGE_NAME brevane-host)
set(CPACK_DEBIAN_HOST_DESCRIPTION
  "Stand-ins for the commissioning host's libraries\nLibraries and headers with the host's interfaces, for building and testing plug-ins without the host.")

include(CPack)

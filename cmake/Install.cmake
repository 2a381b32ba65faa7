# Install layout, the CMake package of the library and the Debian package.
#   bin/doublet_synth, bin/doublet_batch
#   lib/libzelt_api.so.1 with include/zelt_api/zelt_api.h and lib/cmake/zelt_api/
#   share/doublet_synth/sample_glasses.agf (the programs look for it there, beside bin/)
#   share/applications/doublet_synth.desktop, share/icons/hicolor/scalable/apps/doublet_synth.svg
include(CMakePackageConfigHelpers)

set_target_properties(zelt_api PROPERTIES EXPORT_NAME api)
install(TARGETS zelt_api EXPORT zelt_apiTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zelt_api COMPONENT development)
install(EXPORT zelt_apiTargets NAMESPACE zelt:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zelt_api
        COMPONENT development)
configure_package_config_file(cmake/zelt_apiConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/zelt_apiConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zelt_api)
get_target_property(zelt_api_version zelt_api VERSION)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zelt_apiConfigVersion.cmake
  VERSION ${zelt_api_version} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zelt_apiConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/zelt_apiConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zelt_api COMPONENT development)

install(TARGETS doublet_batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
if(ZELT_BUILD_GUI)
  install(TARGETS doublet_synth RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
  install(FILES data/desktop/doublet_synth.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
  install(FILES data/desktop/doublet_synth.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)
endif()
install(FILES data/sample_glasses.agf DESTINATION ${CMAKE_INSTALL_DATADIR}/doublet_synth
        COMPONENT runtime)

# One Debian package with everything: doublet-synth_<version>_<arch>.deb. Its dependencies are
# worked out by dpkg-shlibdeps from the libraries the programs link (Qt 5, QCustomPlot, the C++
# runtime).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME doublet-synth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Synthesis of cemented doublets, with the zelt_api optics library")
set(CPACK_PACKAGE_DESCRIPTION
    "doublet_synth searches the glass pairs of an AGF catalog for cemented doublets with given \
aberration parameters and designs them; doublet_batch runs the same calculation from the command \
line. The zelt_api library models, traces and writes optical systems.")
set(CPACK_PACKAGE_CONTACT "doublet_synth developers <doublet-synth@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs' own library is in the package: dpkg-shlibdeps finds it in the staging tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/zelt/api)
set(CPACK_DEB_COMPONENT_INSTALL OFF)
include(CPack)

# Installs the libraries, their public headers (keeping the source tree's layout under
# include/tarnwick) and a CMake package "Tarnwick" exporting Tarnwick::tarnwick.
include(CMakePackageConfigHelpers)

get_property(_tw_targets GLOBAL PROPERTY TARNWICK_INSTALL_TARGETS)
install(TARGETS tarnwick ${_tw_targets} EXPORT TarnwickTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# Public headers only: the umbrella header and what it reaches (see TarnwickPublicHeaders).
# The closure is taken when installing, so it always matches the sources being installed.
install(FILES ${PROJECT_SOURCE_DIR}/include/tarnwick/tarnwick.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnwick)
install(CODE "
  include(\"${PROJECT_SOURCE_DIR}/cmake/TarnwickPublicHeaders.cmake\")
  tarnwick_public_headers(_tw_headers \"${PROJECT_SOURCE_DIR}\"
    \"${PROJECT_SOURCE_DIR}/include/tarnwick/tarnwick.h\")
  foreach(_tw_header IN LISTS _tw_headers)
    get_filename_component(_tw_dir \"\${_tw_header}\" DIRECTORY)
    file(INSTALL \"${PROJECT_SOURCE_DIR}/\${_tw_header}\"
      DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_INCLUDEDIR}/tarnwick/\${_tw_dir}\")
  endforeach()
")

set(_tw_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/Tarnwick)
install(EXPORT TarnwickTargets NAMESPACE Tarnwick:: DESTINATION ${_tw_cmakedir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TarnwickConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TarnwickConfig.cmake INSTALL_DESTINATION ${_tw_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TarnwickConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TarnwickConfig.cmake
  ${PROJECT_BINARY_DIR}/TarnwickConfigVersion.cmake DESTINATION ${_tw_cmakedir})

# Installs the libraries, their headers (keeping the source tree's layout under
# include/tarnwick) and a CMake package "Tarnwick" exporting Tarnwick::tarnwick.
include(CMakePackageConfigHelpers)

get_property(_tw_targets GLOBAL PROPERTY TARNWICK_INSTALL_TARGETS)
install(TARGETS tarnwick ${_tw_targets} EXPORT TarnwickTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

foreach(_dir platform geometry streaming graphics diagram blocks layout)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${_dir})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${_dir}
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnwick
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/include/tarnwick/tarnwick.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnwick)

set(_tw_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/Tarnwick)
install(EXPORT TarnwickTargets NAMESPACE Tarnwick:: DESTINATION ${_tw_cmakedir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TarnwickConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TarnwickConfig.cmake INSTALL_DESTINATION ${_tw_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TarnwickConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TarnwickConfig.cmake
  ${PROJECT_BINARY_DIR}/TarnwickConfigVersion.cmake DESTINATION ${_tw_cmakedir})

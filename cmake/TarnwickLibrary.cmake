# tarnwick_add_library(NAME SOURCES ... DEPENDS ...)
# A static library of the project. Headers are found from the repository root in the
# build tree and from include/tarnwick once installed, so "platform/core/Component.h"
# means the same in both places.
function(tarnwick_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/tarnwick>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  tarnwick_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY TARNWICK_INSTALL_TARGETS ${name})
endfunction()

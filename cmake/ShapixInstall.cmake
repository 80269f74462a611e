# Install rules, the CMake package, the pkg-config file and the Debian
# packages. Included from the top level right after the `shapix` target is
# defined, so everything here sees it; the tool's own install() in apps/
# comes later and lands in the tool component through the default below.

option(SHAPIX_INSTALL "Generate install rules for the library, headers and tool" ON)
if(NOT SHAPIX_INSTALL)
  return()
endif()

include(CMakePackageConfigHelpers)

# Headers live in a folder of their own: Shapix.h includes "platform/...",
# "control/..." relative to the include root, and a bare `platform/` next to
# a host's own headers would be a clash waiting to happen.
set(SHAPIX_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/shapix)
set(SHAPIX_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Shapix)

# install() calls without a component (the tool in apps/, anything added
# later next to it) belong to the tool package, never to the -dev one.
# CMake presets it to "Unspecified", so no `if(NOT DEFINED)` here; the value
# stays in this directory scope and never reaches a parent project.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tool)

install(TARGETS shapix
  EXPORT ShapixTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)

# Shapix.h and exactly the headers it reaches, in their folders.
install(CODE "include(\"${CMAKE_CURRENT_LIST_DIR}/ShapixHeaders.cmake\")
shapix_install_public_headers(\"${PROJECT_SOURCE_DIR}\" \"\${CMAKE_INSTALL_PREFIX}/${SHAPIX_INSTALL_INCLUDEDIR}\")"
  COMPONENT dev)

install(EXPORT ShapixTargets
  NAMESPACE Shapix::
  DESTINATION ${SHAPIX_INSTALL_CMAKEDIR} COMPONENT dev)

configure_package_config_file(
  ${CMAKE_CURRENT_LIST_DIR}/ShapixConfig.cmake.in
  ${PROJECT_BINARY_DIR}/ShapixConfig.cmake
  INSTALL_DESTINATION ${SHAPIX_INSTALL_CMAKEDIR})
# Before 1.0 the API may still move; SameMajorVersion is what hosts were
# promised and 0.x hosts asking for 0.y get any 0.z >= 0.y.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/ShapixConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/ShapixConfig.cmake
  ${PROJECT_BINARY_DIR}/ShapixConfigVersion.cmake
  DESTINATION ${SHAPIX_INSTALL_CMAKEDIR} COMPONENT dev)

# The .pc file finds its prefix from its own place, so the same file is
# right in /usr (the .deb), /usr/local and any staging folder.
set(SHAPIX_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH SHAPIX_PC_TO_PREFIX /root/${SHAPIX_PC_DIR} /root)
string(REGEX REPLACE "/$" "" SHAPIX_PC_TO_PREFIX "${SHAPIX_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/shapix.pc.in ${PROJECT_BINARY_DIR}/shapix.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/shapix.pc DESTINATION ${SHAPIX_PC_DIR} COMPONENT dev)

# The tool's samples: the scripts and drawings its README walks through.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/shapix/samples COMPONENT tool)

if(PROJECT_IS_TOP_LEVEL)
  include(${CMAKE_CURRENT_LIST_DIR}/ShapixCPack.cmake)
endif()

# API reference, when doxygen is there: `cmake --build <dir> --target docs`.
find_package(Doxygen QUIET)
if(DOXYGEN_FOUND AND PROJECT_IS_TOP_LEVEL)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUT_DIR=${PROJECT_BINARY_DIR}/docs
        -DVERSION=${PROJECT_VERSION} -DDOXYGEN=${DOXYGEN_EXECUTABLE}
        -P ${CMAKE_CURRENT_LIST_DIR}/ShapixDocs.cmake
    VERBATIM)
endif()

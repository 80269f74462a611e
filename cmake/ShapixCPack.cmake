# Debian packages from the install components: libshapix-dev (library,
# headers, CMake package, pkg-config file), shapix (the tool and its
# samples) and, where GTK 3 was found, shapix-edit (the desktop editor).
# `cpack -G DEB` in the build folder writes them all.

set(CPACK_PACKAGE_NAME shapix)
set(CPACK_PACKAGE_VENDOR "Shapix")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Window control for editing closed outlines of lines and arcs")
set(CPACK_PACKAGE_CONTACT "Shapix maintainers <shapix@localhost>")
set(CPACK_GENERATOR DEB)
# Debian paths whatever prefix the build folder was configured with; the
# CMake package and the .pc file are relocatable, so both are right here.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL dev tool)
# apps/shapix-edit builds the editor exactly when this target exists.
if(TARGET PkgConfig::GTK3)
  list(APPEND CPACK_COMPONENTS_ALL editor)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libshapix-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# A static library: the host links FreeType, fontconfig and libpng itself,
# and find_dependency / pkg-config --static need their -dev files.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libfreetype-dev, libfontconfig-dev, libpng-dev")
# The long descriptions; apt's one-line synopsis is the package summary above.
set(CPACK_DEBIAN_DEV_DESCRIPTION
  "Shapix outline editing control: static library and headers\nCShapixCtrl and its MFC/Win32 stand-in for C++20 hosts, with a CMake\npackage (Shapix::shapix) and a pkg-config file (shapix).")

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME shapix)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION graphics)
# The tool's run-time libraries, read from the binary by dpkg-shlibdeps.
set(CPACK_DEBIAN_TOOL_PACKAGE_SHLIBDEPS ON)
# Without a CJK font, labels fall back to the built-in ASCII font.
set(CPACK_DEBIAN_TOOL_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_DEBIAN_TOOL_DESCRIPTION
  "Shapix outline editing control: command-line host\nRenders outlines, plays scripted editing sessions and cuts regions with\nthe Shapix control; with sample drawings and scripts.")

set(CPACK_DEBIAN_EDITOR_PACKAGE_NAME shapix-edit)
set(CPACK_DEBIAN_EDITOR_PACKAGE_SECTION graphics)
# GTK and the rest, read from the binary like the tool's.
set(CPACK_DEBIAN_EDITOR_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_EDITOR_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
# The sample drawings it is shown with come with the tool.
set(CPACK_DEBIAN_EDITOR_PACKAGE_SUGGESTS "shapix")
set(CPACK_DEBIAN_EDITOR_DESCRIPTION
  "Shapix outline editing control: desktop editor\nEdits shapes files with the mouse in a GTK 3 window: the Shapix control\nwith its tools, cursors, dimension page and dialogs.")

include(CPack)

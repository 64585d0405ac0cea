# Qt for MinGW-w64, for the cross-built window. Debian packages no such Qt: scripts/qt-mingw
# (run by `scripts/setup windows`) builds it from Debian's source into a cache outside the
# repository and links it as szlakownik/qt6-mingw there. The cross build runs the host's Qt tools
# (moc, rcc, uic) of the same version. Without it the window and its tests are left out, loudly.
set(SZL_QT_MINGW "" CACHE PATH "Qt 6 built for MinGW-w64 (empty: the one scripts/qt-mingw built)")
if(SZL_QT_MINGW)
  set(szl_qt ${SZL_QT_MINGW})
elseif(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(szl_qt $ENV{XDG_CACHE_HOME}/szlakownik/qt6-mingw)
else()
  set(szl_qt $ENV{HOME}/.cache/szlakownik/qt6-mingw)
endif()
file(REAL_PATH ${szl_qt} szl_qt)
# Another Qt than the last configure found (a new build of it under another key): the packages
# found in the old one must be looked for again.
if(NOT "${SZL_QT_MINGW_USED}" STREQUAL "${szl_qt}")
  get_cmake_property(szl_cached CACHE_VARIABLES)
  foreach(var IN LISTS szl_cached)
    if(var MATCHES "^Qt6[A-Za-z0-9]*_DIR$")
      unset(${var} CACHE)
    endif()
  endforeach()
  set(SZL_QT_MINGW_USED ${szl_qt} CACHE INTERNAL "The Qt for MinGW-w64 last configured with")
endif()

file(GLOB szl_host_tools /usr/lib/*/cmake/Qt6CoreTools)  # in the build machine's multiarch folder
if(EXISTS ${szl_qt}/lib/cmake/Qt6/Qt6Config.cmake AND szl_host_tools)
  # Found only under a root path: the toolchain keeps the build machine's packages out.
  list(APPEND CMAKE_FIND_ROOT_PATH ${szl_qt})
  set(QT_HOST_PATH /usr)
  list(GET szl_host_tools 0 szl_host_tools)
  cmake_path(GET szl_host_tools PARENT_PATH QT_HOST_PATH_CMAKE_DIR)
  find_package(Qt6 6.4 QUIET COMPONENTS Widgets)
endif()
if(Qt6Widgets_FOUND)
  message(STATUS "Qt for MinGW-w64: ${szl_qt}")
else()
  message(WARNING "No Qt 6 for MinGW-w64 in ${szl_qt}: szlakownik.exe and the window tests are "
                  "not built. `scripts/setup windows` builds that Qt from Debian's source.")
  set(SZL_BUILD_GUI OFF)
endif()

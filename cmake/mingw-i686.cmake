# 32-bit Windows: the release build.
set(QITONG_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

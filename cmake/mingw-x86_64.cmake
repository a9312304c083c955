# 64-bit Windows: catches pointer-size mistakes.
set(QITONG_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

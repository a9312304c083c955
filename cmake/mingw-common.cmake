# Cross toolchain for Windows with mingw-w64's posix-thread compilers (so
# std::thread and std::mutex work). QITONG_MINGW_ARCH is i686 or x86_64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QITONG_MINGW_ARCH})
set(_triple ${QITONG_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests and benchmarks run under Wine on the build machine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

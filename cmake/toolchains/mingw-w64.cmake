# Cross-building for Windows with Debian's mingw-w64 compilers. Included by
# the two toolchain files beside it once MINGW_TRIPLET names the target
# (x86_64-w64-mingw32 or i686-w64-mingw32).
#
# The compilers with the POSIX thread model (the "-posix" variants) provide
# the whole of the C++ thread library; the programs themselves use only
# Windows' own threads.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Cross build of the translator for 64-bit Windows with the mingw-w64 compilers. The C++ and
# GCC run-time libraries are linked in statically, so that the .exe runs on its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVA_CROSS_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${TOLVA_CROSS_PREFIX}-g++-posix ${TOLVA_CROSS_PREFIX}-g++
             REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${TOLVA_CROSS_PREFIX}-gcc-posix ${TOLVA_CROSS_PREFIX}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${TOLVA_CROSS_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVA_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

# Cross build of the translator for 32-bit ARM Linux with hardware floating point, the
# Raspberry Pi flavour. The result runs on the board, or here under qemu-arm with
# -L /usr/arm-linux-gnueabihf.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(TOLVA_CROSS_PREFIX arm-linux-gnueabihf)
find_program(CMAKE_CXX_COMPILER NAMES ${TOLVA_CROSS_PREFIX}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${TOLVA_CROSS_PREFIX}-gcc)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVA_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# g++ notes on every std::vector of records that their argument passing changed in GCC 7.1;
# everything here is built by the one compiler, so the note says nothing.
set(CMAKE_CXX_FLAGS_INIT "-Wno-psabi")

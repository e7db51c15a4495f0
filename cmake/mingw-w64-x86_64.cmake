# Cross-compiles the core, the registry store, the puzzle printer and the core's tests for 64-bit
# Windows with Debian's MinGW-w64 (the -posix compilers, which have std::thread and std::mutex).
# The executables are linked statically so that they run under Wine without any DLL beside them;
# when Wine is installed it is the emulator that CTest runs them with.
#
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCOGITELLE_APP=OFF -DCOGITELLE_BENCH=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(COGITELLE_MINGW_TRIPLET x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${COGITELLE_MINGW_TRIPLET}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${COGITELLE_MINGW_TRIPLET}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${COGITELLE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${COGITELLE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in: no DLL to copy next to the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian puts the 64-bit loader outside the PATH; /usr/bin/wine picks it when no 32-bit Wine is there.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(COGITELLE_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib/wine-development)
  if(COGITELLE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${COGITELLE_WINE})
  endif()
endif()

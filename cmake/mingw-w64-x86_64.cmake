# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread and friends need) and runs the test programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NAVCSS_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${NAVCSS_MINGW_PREFIX}-gcc-posix ${NAVCSS_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${NAVCSS_MINGW_PREFIX}-g++-posix ${NAVCSS_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${NAVCSS_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${NAVCSS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file to ship: no libstdc++, libgcc or winpthread DLLs beside the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# wine64 runs 64-bit programs without the 32-bit loader Debian's wine wrapper looks for.
find_program(NAVCSS_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NAVCSS_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${NAVCSS_WINE})
endif()

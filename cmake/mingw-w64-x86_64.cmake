# Cross-compiles for 64-bit Windows with Debian's mingw-w64:
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
# The -posix compilers, because the win32-thread ones have no std::thread,
# std::mutex or std::condition_variable.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SOLVANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SOLVANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SOLVANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SOLVANE_MINGW_TRIPLET}-windres)

# Only the target's own headers and libraries, never the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${SOLVANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in, so that an .exe runs on a bare
# Windows (or Wine) with no mingw DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets ctest run the test executables under Wine (through wine-run, which keeps
# Wine's lasting services off ctest's output pipe).
find_program(SOLVANE_WINE wine)
if(SOLVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
endif()

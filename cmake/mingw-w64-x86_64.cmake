# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (POSIX threads): used for Qt itself and
# for the program, and runs what it builds under Wine where Wine is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Debian's wine64 keeps its loader out of PATH unless the "wine" wrapper package is installed.
find_program(VESMAROT_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(VESMAROT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VESMAROT_WINE})
endif()
# What is built names its sources relative to the source and build folders, so that no build
# machine's folder ends up inside a DLL and two builds in different places agree.
foreach(lang C CXX)
    string(APPEND CMAKE_${lang}_FLAGS_INIT
        " -ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=")
endforeach()

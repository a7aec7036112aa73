# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and Qt need). Used for Qt itself and for the program: scripts/windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANTEL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANTEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTEL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and from the prefixes given in
# CMAKE_PREFIX_PATH (Qt for MinGW); programs run during the build come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ORVANTEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

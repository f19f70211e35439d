# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers. The
# posix-thread variants: the program uses std::thread, which the win32-thread
# variants lack.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

# Libraries and headers come from the compilers' own root and from the
# prefix the Windows build installs its libraries into; programs run on the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${VELLUMO_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns of overlapping copies inside std::string's own concatenation
# when it inlines it at full optimisation (a known false positive of that
# compiler); warnings stay errors otherwise.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

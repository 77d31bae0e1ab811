# Cross-building for 64-bit Windows with Debian's MinGW-w64, POSIX thread model (Qt 6 needs
# std::thread). Chain-loaded by the Windows Qt's own qt.toolchain.cmake; scripts/windows
# passes both.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER /usr/bin/${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${triple}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${triple}-windres)
set(CMAKE_AR /usr/bin/${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${triple}-ranlib CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${BILVEX_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

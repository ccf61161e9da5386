# Cross-building for 64-bit Windows with Debian's MinGW-w64 (scripts/setup
# windows), posix thread model: its win32 model has no std::mutex or
# std::thread. The static libraries the game links (SDL2, FreeType, libpng,
# zlib) are found in QUORVANEL_WINDOWS_LIBRARIES, where
# scripts/build-windows-libraries installs them; programs built for Windows
# run through Wine (tests, ctest), programs of the build itself stay Linux ones.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# try_compile's projects read this file again: they need the variable too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVANEL_WINDOWS_LIBRARIES)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${QUORVANEL_WINDOWS_LIBRARIES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Programs that need no DLL beside them but Windows' own: the C++ runtime
# and the posix threads linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

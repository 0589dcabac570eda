# Shared part of the mingw-w64 toolchain files; ZVK_MINGW_TRIPLE is set by the caller.
set(CMAKE_C_COMPILER ${ZVK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZVK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZVK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZVK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Everything static: the programs need nothing beyond the system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

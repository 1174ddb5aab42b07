# Shared settings of the mingw-w64 cross toolchains; BRENZ_MINGW_TRIPLE is set by the including file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${BRENZ_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRENZ_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${BRENZ_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRENZ_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The program must need nothing but system DLLs on the target machine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

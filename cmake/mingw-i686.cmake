# The release target: a 32-bit (i686) Windows executable.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRENZ_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

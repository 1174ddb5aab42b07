# A 64-bit build of the same sources, for running the Windows tests quickly where the host
# cannot execute 32-bit code natively (Wine's 32-bit loader then runs under emulation).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRENZ_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

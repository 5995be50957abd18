# Toolchain: the 64-bit Windows build.
set(VELLUMO_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# Toolchain: the 32-bit Windows build (runs on every Windows).
set(VELLUMO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

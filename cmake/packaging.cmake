# The distribution a Windows user unzips and runs: Runeview.exe beside its
# companion files, under one folder. `cmake --build build/win32 --target package`
# gives Vellumo-VERSION-win32.zip, build/win64 Vellumo-VERSION-win64.zip.
if(NOT WIN32)
  return()
endif()

install(TARGETS Runeview RUNTIME DESTINATION .)
install(DIRECTORY ${VELLUMO_DIST_DIR}/dll ${VELLUMO_DIST_DIR}/language DESTINATION .)
install(FILES ${VELLUMO_DIST_DIR}/howtouse.htm ${VELLUMO_DIST_DIR}/readme.htm
              ${VELLUMO_DIST_DIR}/bk.gif ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION .)
# Scintilla's licence asks for its notice beside the program that contains it.
install(FILES ${SCINTILLA_LICENSE} DESTINATION . RENAME Scintilla-License.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vellumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vellumo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Text viewer for East Asian text on any Windows code page")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

# Makes the distribution zip into a scratch folder and checks that it holds
# the program with every companion file and no test program.
# -DBUILD_DIR=... -DOUT_DIR=... -DZIP_NAME=Vellumo-1.0.0-win32.zip
# -DMACHINE=4c01 (i686) or 6486 (x86_64): the header's bytes as they stand
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${status}")
endif()
file(GLOB zips ${OUT_DIR}/*.zip)
if(NOT zips STREQUAL "${OUT_DIR}/${ZIP_NAME}")
  message(FATAL_ERROR "expected ${OUT_DIR}/${ZIP_NAME} alone, found: ${zips}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zips} OUTPUT_VARIABLE listing)
string(TOLOWER "${listing}" listing)  # Windows names ignore case
foreach(name runeview.exe dll/u2a.dll dll/gb2312.dll dll/korean.dll dll/big5.dll dll/jis.dll
        language/chinese_about.dll howtouse.htm readme.htm bk.gif license)
  if(NOT listing MATCHES "/${name}\n")
    message(FATAL_ERROR "${name} missing from the zip:\n${listing}")
  endif()
endforeach()
if(listing MATCHES "test")
  message(FATAL_ERROR "a test file is in the zip:\n${listing}")
endif()

# The program in the zip is built for the zip's architecture.
set(unpacked ${OUT_DIR}/unpacked)
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zips} WORKING_DIRECTORY ${unpacked})
file(GLOB_RECURSE exe ${unpacked}/*/Runeview.exe)
file(READ ${exe} pe_offset OFFSET 60 LIMIT 4 HEX)
string(SUBSTRING ${pe_offset} 0 2 b0)
string(SUBSTRING ${pe_offset} 2 2 b1)
math(EXPR machine_at "0x${b1}${b0} + 4")
file(READ ${exe} machine OFFSET ${machine_at} LIMIT 2 HEX)
if(NOT machine STREQUAL "${MACHINE}")
  message(FATAL_ERROR "Runeview.exe in ${ZIP_NAME} is for machine ${machine}, not ${MACHINE}")
endif()

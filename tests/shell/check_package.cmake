# Makes the distribution zip into a scratch folder and checks that it holds
# the program with every companion file and no test program.
# -DBUILD_DIR=... -DOUT_DIR=...
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${status}")
endif()
file(GLOB zips ${OUT_DIR}/*.zip)
list(LENGTH zips count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one zip, found: ${zips}")
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

# Registers a Windows test program with ctest: it runs under Wine, in the
# architecture it was built for, in a throwaway prefix inside its own virtual
# display (scripts/wine-run.sh). It runs in its own build folder, so that its
# report (NAME.xml) and anything else it leaves stay out of the distribution.
# Wine's heap checking is on: a freed block is filled at once, so a read
# through a stale pointer fails every run instead of now and then.
# NO_HEAP_CHECK leaves it off for a program that allocates too much for it.
set(VELLUMO_WINE_TEMPLATE ${CMAKE_BINARY_DIR}/wine-template CACHE PATH "Template Wine prefix")

# RERUN_FAILED, for a program that drives windows with real input, runs a
# case or two that failed once more (scripts/wine-test.sh).
function(vellumo_add_wine_test name target)
  cmake_parse_arguments(PARSE_ARGV 2 arg "NO_HEAP_CHECK;RERUN_FAILED" "" "")
  if(arg_RERUN_FAILED)
    set(command ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh ${name}.xml $<TARGET_FILE:${target}>)
  else()
    set(command ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}>
                --gtest_output=xml:${name}.xml)
  endif()
  add_test(NAME ${name} COMMAND ${command} ${arg_UNPARSED_ARGUMENTS}
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set(env "VELLUMO_WINE_TEMPLATE=${VELLUMO_WINE_TEMPLATE};VELLUMO_DIST=${VELLUMO_DIST_DIR}")
  if(NOT arg_NO_HEAP_CHECK)
    list(APPEND env "WINEDEBUG=-all,warn+heap")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()

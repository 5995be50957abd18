# Registers a Windows test program with ctest: it runs under Wine, in the
# architecture it was built for, in a throwaway prefix inside its own virtual
# display (scripts/wine-run.sh). It runs in its own build folder, so that its
# report (NAME.xml) and anything else it leaves stay out of the distribution.
set(VELLUMO_WINE_TEMPLATE ${CMAKE_BINARY_DIR}/wine-template CACHE PATH "Template Wine prefix")

function(vellumo_add_wine_test name target)
  add_test(NAME ${name}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}>
                   --gtest_output=xml:${name}.xml ${ARGN}
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "VELLUMO_WINE_TEMPLATE=${VELLUMO_WINE_TEMPLATE};VELLUMO_DIST=${VELLUMO_DIST_DIR}"
    TIMEOUT 600)
endfunction()

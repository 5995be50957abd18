# Registers a Windows test program with ctest: it runs under Wine in a
# throwaway prefix inside its own virtual display (scripts/wine-run.sh).
set(VELLUMO_WINE_TEMPLATE ${CMAKE_BINARY_DIR}/wine-template CACHE PATH "Template Wine prefix")

function(vellumo_add_wine_test name target)
  add_test(NAME ${name}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}> ${ARGN}
           WORKING_DIRECTORY ${VELLUMO_DIST_DIR})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "VELLUMO_WINE_TEMPLATE=${VELLUMO_WINE_TEMPLATE};VELLUMO_DIST=${VELLUMO_DIST_DIR}"
    TIMEOUT 600)
endfunction()

# Tests of a cross build for Windows run under Wine on this machine: each Windows test program is
# started by wine-session.sh, in a Wine prefix and on an X server that belong to the build and
# live from the first such test to the last (the fixture "wine"), one test at a time.
set(AMPORA_WINE_SESSION ${CMAKE_CURRENT_LIST_DIR}/wine-session.sh ${CMAKE_BINARY_DIR}/wine)
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${AMPORA_WINE_SESSION} run)
endif()
add_test(NAME wine_session_start COMMAND ${AMPORA_WINE_SESSION} start)
add_test(NAME wine_session_stop COMMAND ${AMPORA_WINE_SESSION} stop)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine LABELS windows)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine LABELS windows)

# Puts every test of the calling directory into the session.
function(ampora_run_under_wine)
    get_property(tests DIRECTORY PROPERTY TESTS)
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine
        LABELS windows)
endfunction()

# GoogleTest from Debian's sources, built for the current target, and the
# helpers that register test programs with CTest (under Wine for Windows).

set(TAVIMO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TAVIMO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Tests execute on the host and, through Wine, on x86_64 Windows; the i686
# build is compiled and its binaries inspected, never run.
if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
    set(TAVIMO_RUNS_TESTS ON)
else()
    set(TAVIMO_RUNS_TESTS OFF)
endif()

if(WIN32 AND TAVIMO_RUNS_TESTS)
    # One private Wine prefix per build tree; a developer's own ~/.wine is
    # never touched. The prefix is made once and its server kept alive for
    # the run by the setup fixture, and stopped by the cleanup fixture.
    set(TAVIMO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(TAVIMO_WINE_ENV
        WINEPREFIX=${TAVIMO_WINEPREFIX}
        WINEDEBUG=-all
        WINEDLLOVERRIDES=mscoree,mshtml=)
    set(wine_prefix_script ${PROJECT_SOURCE_DIR}/tools/wine/prefix.sh)
    add_test(NAME wine_prefix_start COMMAND sh ${wine_prefix_script} start)
    add_test(NAME wine_prefix_stop COMMAND sh ${wine_prefix_script} stop)
    set_tests_properties(wine_prefix_start PROPERTIES
        FIXTURES_SETUP wine ENVIRONMENT "${TAVIMO_WINE_ENV}")
    set_tests_properties(wine_prefix_stop PROPERTIES
        FIXTURES_CLEANUP wine ENVIRONMENT "${TAVIMO_WINE_ENV}")
    # A program that cannot start leaves a reason in the log.
    add_test(NAME wine_runner_explains_a_failed_start
        COMMAND sh -c "sh \"$0\" missing_program.exe 2>&1 | grep 'missing_program.exe ended with exit status'"
            ${PROJECT_SOURCE_DIR}/tools/wine/run.sh)
    set_tests_properties(wine_runner_explains_a_failed_start PROPERTIES
        FIXTURES_REQUIRED wine ENVIRONMENT "${TAVIMO_WINE_ENV}")
endif()

# tavimo_run_under_target(test): give a registered test what it needs to run
# on the target (the Wine prefix and its server on Windows).
function(tavimo_run_under_target test)
    if(WIN32)
        set_tests_properties(${test} PROPERTIES
            FIXTURES_REQUIRED wine ENVIRONMENT "${TAVIMO_WINE_ENV}")
    endif()
endfunction()

# tavimo_test_program(name SOURCES ... LIBRARIES ...): one GoogleTest program
# of a module, registered as one CTest test wherever tests run.
function(tavimo_test_program name)
    cmake_parse_arguments(arg "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} tavimo_warnings GTest::gtest_main)
    if(TAVIMO_RUNS_TESTS)
        add_test(NAME ${name} COMMAND ${name})
        tavimo_run_under_target(${name})
    endif()
endfunction()

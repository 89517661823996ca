# tavimo_fuzz_target(name SOURCES ... LIBRARIES ... CORPUS dir): a libFuzzer
# target. With TAVIMO_FUZZ (the fuzz preset, clang) it is a real fuzzer;
# otherwise the host build links it to a replay driver and runs the stored
# corpus as a test.
function(tavimo_fuzz_target name)
    cmake_parse_arguments(arg "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
    if(WIN32)
        return()
    endif()
    if(TAVIMO_FUZZ)
        # Coverage comes with tavimo_warnings; this links libFuzzer's main.
        add_executable(${name} ${arg_SOURCES})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        add_executable(${name} ${arg_SOURCES} ${PROJECT_SOURCE_DIR}/tools/fuzz/replay_main.cpp)
        add_test(NAME ${name}_corpus COMMAND ${name} ${arg_CORPUS})
    endif()
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} tavimo_warnings)
endfunction()

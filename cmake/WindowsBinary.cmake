# Helpers for the suite's Windows deliverables.

set(TAVIMO_PE_CHECK ${PROJECT_SOURCE_DIR}/tools/pe/check.sh)

# tavimo_deliverable(target FILENAME name DESCRIPTION text): warnings, the
# version resource and the import-table check (only Windows system DLLs) for
# one deliverable. The check reads the file and runs nothing, so it stands in
# both Windows builds.
function(tavimo_deliverable target)
    cmake_parse_arguments(arg "" "FILENAME;DESCRIPTION" "" ${ARGN})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(file_type VFT_APP)
    else()
        set(file_type VFT_DLL)
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    target_link_libraries(${target} PRIVATE tavimo_warnings)
    add_test(NAME ${target}_imports_system_only
        COMMAND sh ${TAVIMO_PE_CHECK} imports ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
endfunction()

# tavimo_stdcall_exports(target NAME BYTES [NAME BYTES ...]): export each
# function under the decorated stdcall name "_NAME@BYTES" on both
# architectures (BYTES is the size of the i686 arguments), and check that the
# export table holds exactly these names.
function(tavimo_stdcall_exports target)
    set(def "EXPORTS\n")
    set(names "")
    set(pairs ${ARGN})
    while(pairs)
        list(POP_FRONT pairs name bytes)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            set(internal ${name}@${bytes})  # what the compiler calls a stdcall function
        else()
            set(internal ${name})           # x86_64 has one convention and no decoration
        endif()
        string(APPEND def "    _${name}@${bytes} = ${internal}\n")
        list(APPEND names _${name}@${bytes})
    endwhile()
    set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.def)
    file(CONFIGURE OUTPUT ${def_file} CONTENT "${def}" @ONLY)
    target_sources(${target} PRIVATE ${def_file})
    add_test(NAME ${target}_exports_exact
        COMMAND sh ${TAVIMO_PE_CHECK} exports ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}> ${names})
endfunction()

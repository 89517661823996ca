# Helpers for the suite's Windows deliverables.

set(TAVIMO_PE_CHECK ${PROJECT_SOURCE_DIR}/tools/pe/check.sh)

# tavimo_deliverable(target FILENAME name DESCRIPTION text
#                    [PLAIN_CONTROLS | CONTROLS_ON_DEMAND]):
# warnings, the
# version resource, a program's manifest, the stand-in for the one kernel32
# function the compiler's runtime needs beyond Windows XP, and the checks of
# the file's tables (imports only Windows system DLLs and only functions XP
# has; a program has its manifest) for one deliverable. The checks read the file and run nothing, so they stand in both
# Windows builds.
function(tavimo_deliverable target)
    # The controls option, if any, is the manifest's.
    cmake_parse_arguments(arg "" "FILENAME;DESCRIPTION" "" ${ARGN})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(file_type VFT_APP)
        tavimo_program_manifest(${target} ${arg_UNPARSED_ARGUMENTS})
    else()
        set(file_type VFT_DLL)
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    target_link_libraries(${target} PRIVATE tavimo_warnings tavimo_tick_count64)
    tavimo_lean_image(${target})
    add_test(NAME ${target}_imports_system_only
        COMMAND sh ${TAVIMO_PE_CHECK} imports ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
endfunction()

# tavimo_program_manifest(target [PLAIN_CONTROLS | CONTROLS_ON_DEMAND]): the
# program's manifest as resource 1 of type RT_MANIFEST (common controls 6, the
# invoker's rights, the systems it is written for), and the test that it is
# there. PLAIN_CONTROLS leaves common controls 6 out: a resident program that
# shows next to nothing saves what loading them costs (about 1.8 MB of private
# memory under Wine). CONTROLS_ON_DEMAND moves them to the second manifest of
# tavimo_controls_manifest, for a program that shows the system's controls
# only in dialogs and tooltips and starts faster without them.
function(tavimo_program_manifest target)
    cmake_parse_arguments(arg "PLAIN_CONTROLS;CONTROLS_ON_DEMAND" "" "" ${ARGN})
    tavimo_manifest_architecture(manifest_architecture)
    if(arg_PLAIN_CONTROLS)
        set(manifest_dependency "")
        set(check_mode manifest_plain)
    elseif(arg_CONTROLS_ON_DEMAND)
        set(manifest_dependency "")
        set(check_mode manifest_on_demand)
        tavimo_controls_manifest(${target})
    else()
        set(manifest_dependency "  <!-- Common controls 6: the tooltips, and the system's look on Windows XP and later. -->
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"
          processorArchitecture=\"${manifest_architecture}\" publicKeyToken=\"6595b64144ccf1df\"
          language=\"*\"/>
    </dependentAssembly>
  </dependency>
")
        set(check_mode manifest)
    endif()
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${manifest} @ONLY)
    tavimo_manifest_resource(${target} CREATEPROCESS_MANIFEST_RESOURCE_ID ${manifest} program)
    add_test(NAME ${target}_has_manifest
        COMMAND sh ${TAVIMO_PE_CHECK} ${check_mode} ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
endfunction()

# tavimo_controls_manifest(target): common controls 6 as resource 2 of type
# RT_MANIFEST, for the framework's ThemedControls scopes.
function(tavimo_controls_manifest target)
    tavimo_manifest_architecture(manifest_architecture)
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}_controls.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/controls.manifest.in ${manifest} @ONLY)
    tavimo_manifest_resource(${target} ISOLATIONAWARE_MANIFEST_RESOURCE_ID ${manifest} controls)
endfunction()

function(tavimo_manifest_architecture variable)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(${variable} x86 PARENT_SCOPE)
    else()
        set(${variable} amd64 PARENT_SCOPE)
    endif()
endfunction()

# The manifest file as the target's resource of the given id.
function(tavimo_manifest_resource target id manifest suffix)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_${suffix}_manifest.rc)
    file(CONFIGURE OUTPUT ${rc} CONTENT "#include <windows.h>\n${id} RT_MANIFEST \"${manifest}\"\n")
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
    target_sources(${target} PRIVATE ${rc})
endfunction()

# tavimo_lean_image(target): the loader maps only what the deliverable runs.
# Sections start on page boundaries in the file as they do in memory, so the
# image can be mapped from the file (Wine reads an image whose sections are
# not page-aligned in the file into private memory). The debug information
# moves to <file>.debug beside it: it is not needed to run, yet as sections of
# the image it would be loaded too.
function(tavimo_lean_image target)
    target_link_options(${target} PRIVATE -Wl,--file-alignment=0x1000)
    set(file $<TARGET_FILE:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${file} ${file}.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=${file}.debug ${file}
        VERBATIM)
endfunction()

# tavimo_cdecl_exports(target NAME...): export each function under its own
# undecorated name on both architectures, and check that the export table
# holds exactly these names.
function(tavimo_cdecl_exports target)
    list(JOIN ARGN "\n    " lines)
    tavimo_export_table(${target} "EXPORTS\n    ${lines}\n" ${ARGN})
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
    tavimo_export_table(${target} "${def}" ${names})
endfunction()

# tavimo_export_table(target DEF NAME...): the module definition DEF for the
# target, and the test that its export table holds exactly NAME...
function(tavimo_export_table target def)
    set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.def)
    file(CONFIGURE OUTPUT ${def_file} CONTENT "${def}" @ONLY)
    target_sources(${target} PRIVATE ${def_file})
    add_test(NAME ${target}_exports_exact
        COMMAND sh ${TAVIMO_PE_CHECK} exports ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}> ${ARGN})
endfunction()

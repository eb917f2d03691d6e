# Import libraries that load their DLLs on first call instead of at start, made from MinGW-w64's
# own with dlltool: for Ampora's Windows programs (cmake/WindowsProgram.cmake), and for the
# relinking kit, which carries this file and makes them as it links.
#   include(DelayLoad.cmake)            makes them in the build (target ampora_delay_load)
#   ampora_link_delay_loaded(TARGET)    links a program with them, in place of MinGW's

# The import libraries whose DLLs load on first use: all the programs import. Windows' known
# DLLs come from the system folder anyway, but not always what they import in turn (Wine's user32
# imports version.dll). Only the kernel, the C run-time and the synchronisation API set, which
# bring no other DLL, load at start.
set(AMPORA_DELAY_LOADED advapi32 authz comdlg32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 netapi32
    ole32 oleaut32 runtimeobject shcore shell32 shlwapi user32 userenv version winmm ws2_32
    wtsapi32)

# One for each import library named, in AMPORA_DELAY_LOAD_DIR. Windows looks for an
# imported DLL in the program's folder first unless it is one of its known DLLs, and under Wine
# even these bring other DLLs along from there; loaded after the search is limited, a DLL can
# only come from the system folder.
function(ampora_make_delay_load_libraries)
    set(dir ${CMAKE_BINARY_DIR}/delay-load)
    set(scratch ${CMAKE_BINARY_DIR}/CMakeFiles/dlltool)
    file(MAKE_DIRECTORY ${scratch})
    find_program(AMPORA_DLLTOOL NAMES ${CMAKE_CXX_COMPILER_TARGET}-dlltool x86_64-w64-mingw32-dlltool
        dlltool REQUIRED)
    set(libraries)
    foreach(library IN LISTS ARGN)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${library}.a
            OUTPUT_VARIABLE import OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        # Each function's member names its DLL: "libuser32s00451.o: ... I __imp_GetWindow".
        execute_process(COMMAND ${CMAKE_NM} -A ${import} OUTPUT_VARIABLE symbols
            COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX MATCHALL ":lib[^:\n]+s[0-9]+\\.o:[0-9a-f]+ I __imp_[A-Za-z0-9_]+" imports
            "${symbols}")
        set(dlls)
        foreach(entry IN LISTS imports)
            string(REGEX REPLACE ":lib([^:]+)s[0-9]+\\.o:.* __imp_(.*)" "\\1;\\2" entry "${entry}")
            list(GET entry 0 dll)
            list(GET entry 1 function)
            list(APPEND dlls ${dll})
            list(APPEND exports_${dll} "    ${function}")
        endforeach()
        list(REMOVE_DUPLICATES dlls)
        # One delay-loading library for each DLL, merged into one of the import library's name.
        set(parts)
        set(script "CREATE lib${library}.a\n")
        foreach(dll IN LISTS dlls)
            list(REMOVE_DUPLICATES exports_${dll})
            list(JOIN exports_${dll} "\n" exports)
            file(CONFIGURE OUTPUT ${dir}/parts/${dll}.def
                CONTENT "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
            # dlltool leaves empty temporary files behind: in a folder of the build's own, not in
            # /tmp, nor among the libraries that the relinking kit carries.
            add_custom_command(OUTPUT ${dir}/parts/${dll}.a
                COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${scratch} ${AMPORA_DLLTOOL}
                        --input-def ${dll}.def --dllname ${dll}.dll --output-delaylib ${dll}.a
                DEPENDS ${dir}/parts/${dll}.def
                WORKING_DIRECTORY ${dir}/parts
                VERBATIM)
            list(APPEND parts ${dir}/parts/${dll}.a)
            string(APPEND script "ADDLIB parts/${dll}.a\n")
            unset(exports_${dll})
        endforeach()
        file(CONFIGURE OUTPUT ${dir}/parts/lib${library}.mri CONTENT "${script}SAVE\nEND\n")
        add_custom_command(OUTPUT ${dir}/lib${library}.a
            COMMAND ${CMAKE_COMMAND} -E rm -f lib${library}.a
            COMMAND ${CMAKE_AR} -M < parts/lib${library}.mri
            DEPENDS ${parts} ${dir}/parts/lib${library}.mri
            WORKING_DIRECTORY ${dir}
            COMMENT "Making ${library}'s DLLs load on first use"
            VERBATIM)
        list(APPEND libraries ${dir}/lib${library}.a)
    endforeach()
    add_custom_target(ampora_delay_load DEPENDS ${libraries})
    set(AMPORA_DELAY_LOAD_DIR ${dir} PARENT_SCOPE)
    set(AMPORA_DELAY_LOAD_LIBRARIES ${libraries} PARENT_SCOPE)
endfunction()

ampora_make_delay_load_libraries(${AMPORA_DELAY_LOADED})

function(ampora_link_delay_loaded target)
    # Found by name, the delay-loading libraries are linked in place of MinGW's: a change to them
    # relinks the program.
    add_dependencies(${target} ampora_delay_load)
    # Named from the build's top folder, where the link runs: the linker orders the import
    # sections by their files' paths, so a full path would make the program's bytes depend on
    # where the build lies.
    file(RELATIVE_PATH delay_load_dir ${CMAKE_BINARY_DIR} ${AMPORA_DELAY_LOAD_DIR})
    target_link_options(${target} BEFORE PRIVATE -L${delay_load_dir})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${AMPORA_DELAY_LOAD_LIBRARIES})
endfunction()

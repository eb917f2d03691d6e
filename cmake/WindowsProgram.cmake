# What every Windows program Ampora ships (the program and its setup program) is built with: its
# icon, version and manifest; and, for a user who runs it from Downloads, where a web page may have
# dropped a DLL beforehand, its DLLs from the system folder only (ui/platform/WindowsDllSearch.cpp),
# loaded on first use, with a load configuration and the hardening of cmake/CompilerFlags.cmake.
#   ampora_windows_program(TARGET DESCRIPTION FILE_NAME)
# AMPORA_WINDOWS_LINK_OPTIONS and AMPORA_DELAY_LOAD_DIR tell the relinking kit what the link takes.

# The import libraries whose DLLs load on first use: all the programs import. Windows' known
# DLLs come from the system folder anyway, but not always what they import in turn (Wine's user32
# imports version.dll). Only the kernel, the C run-time and the synchronisation API set, which
# bring no other DLL, load at start.
set(AMPORA_DELAY_LOADED advapi32 authz comdlg32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 netapi32
    ole32 oleaut32 runtimeobject shcore shell32 shlwapi user32 userenv version winmm ws2_32
    wtsapi32)

# No symbols and no unused sections; no link time stamp, so that a tree builds one program. The
# linker keeps the load configuration and the callback that limits the DLL search.
set(AMPORA_WINDOWS_LINK_OPTIONS -s LINKER:--gc-sections,--no-insert-timestamp
    LINKER:--require-defined=_load_config_used
    LINKER:--require-defined=ampora_search_system_folder_only)
add_library(ampora_dll_search OBJECT ${PROJECT_SOURCE_DIR}/ui/platform/WindowsDllSearch.cpp)
set(AMPORA_DLL_SEARCH_OBJECTS $<TARGET_OBJECTS:ampora_dll_search>)

# The icon, at every size Windows shows it at from 100 % to 200 %, up to the large tiles; the
# small sizes have drawings of their own beside it (app-icon-16.svg...).
set(AMPORA_ICO ${CMAKE_BINARY_DIR}/ampora.ico)
set(icon ${PROJECT_SOURCE_DIR}/ui/art/app-icon.svg)
file(GLOB icon_drawings CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/art/app-icon*.svg)
add_custom_command(OUTPUT ${AMPORA_ICO}
    COMMAND ${AMPORA_RENDER_ICON} ${icon} ${AMPORA_ICO} 16 20 24 32 40 48 64 256
    DEPENDS ampora_build_tools ${AMPORA_RENDER_ICON} ${icon_drawings}
    COMMENT "Rendering the program icon"
    VERBATIM)
add_custom_target(ampora_icon DEPENDS ${AMPORA_ICO})

function(ampora_windows_program target description file_name)
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest.in ${manifest} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${AMPORA_ICO};${manifest}")
    add_dependencies(${target} ampora_icon)
    if(QT6_IS_SHARED_LIBS_BUILD) # Qt's DLLs beside the program: its folder must be searched
        message(STATUS "${target}: built for a shared Qt, so its DLLs also come from its folder")
        return()
    endif()

    target_link_libraries(${target} PRIVATE ampora_dll_search)
    # Found by name, the delay-loading libraries are linked in place of MinGW's: a change to them
    # relinks the program.
    add_dependencies(${target} ampora_delay_load)
    # Named from the build's top folder, where the link runs: the linker orders the import
    # sections by their files' paths, so a full path would make the program's bytes depend on
    # where the build lies.
    file(RELATIVE_PATH delay_load_dir ${CMAKE_BINARY_DIR} ${AMPORA_DELAY_LOAD_DIR})
    target_link_options(${target} BEFORE PRIVATE -L${delay_load_dir})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${AMPORA_DELAY_LOAD_LIBRARIES})
    # Windows reads the load configuration only once the PE header points at it; the linker's
    # map says where it lies.
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    target_link_options(${target} PRIVATE ${AMPORA_WINDOWS_LINK_OPTIONS} LINKER:-Map=${map})
    add_dependencies(${target} ampora_build_tools)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${AMPORA_PE_LOAD_CONFIG} $<TARGET_FILE:${target}> ${map}
        VERBATIM)
endfunction()

# Import libraries that load their DLLs on first call instead of at start, made from MinGW-w64's
# own with dlltool, in AMPORA_DELAY_LOAD_DIR (target ampora_delay_load). Windows looks for an
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

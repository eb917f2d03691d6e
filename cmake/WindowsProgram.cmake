# What every Windows program Ampora ships (the program and its setup program) is built with: its
# icon, version and manifest; and, for a user who runs it from Downloads, where a web page may have
# dropped a DLL beforehand, its DLLs from the system folder only (ui/platform/WindowsDllSearch.cpp),
# loaded on first use, with a load configuration and the hardening of cmake/CompilerFlags.cmake.
#   ampora_windows_program(TARGET DESCRIPTION FILE_NAME)
# AMPORA_WINDOWS_LINK_OPTIONS, AMPORA_WINDOWS_OBJECTS and cmake/DelayLoad.cmake tell the relinking
# kit what the link takes.
include(${CMAKE_CURRENT_LIST_DIR}/DelayLoad.cmake)

# No symbols and no unused sections; no link time stamp, so that a tree builds one program. The
# linker keeps the load configuration and the callback that limits the DLL search.
set(AMPORA_WINDOWS_LINK_OPTIONS -s LINKER:--gc-sections,--no-insert-timestamp
    LINKER:--require-defined=_load_config_used
    LINKER:--require-defined=ampora_search_system_folder_only)
# Objects, not a library, so that they always come before the C++ library, whose handler of
# uncaught exceptions they replace (ui/platform/WindowsTerminate.cpp).
add_library(ampora_windows_objects OBJECT ${PROJECT_SOURCE_DIR}/ui/platform/WindowsDllSearch.cpp
    ${PROJECT_SOURCE_DIR}/ui/platform/WindowsTerminate.cpp)
set_target_properties(ampora_windows_objects PROPERTIES AUTOMOC OFF)
set(AMPORA_WINDOWS_OBJECTS $<TARGET_OBJECTS:ampora_windows_objects>)

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

    target_link_libraries(${target} PRIVATE ampora_windows_objects)
    ampora_link_delay_loaded(${target})
    # Windows reads the load configuration only once the PE header points at it; the linker's
    # map says where it lies.
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    target_link_options(${target} PRIVATE ${AMPORA_WINDOWS_LINK_OPTIONS} LINKER:-Map=${map})
    add_dependencies(${target} ampora_build_tools)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${AMPORA_PE_LOAD_CONFIG} $<TARGET_FILE:${target}> ${map}
        VERBATIM)
endfunction()

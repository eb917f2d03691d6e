# The tools the build runs on this machine (tools/CMakeLists.txt): built with the program, or,
# when the program is cross-compiled, for this machine as a project of their own. Each is named
# by a variable the build's commands run: AMPORA_RENDER_ICON, AMPORA_PE_LOAD_CONFIG; the target
# ampora_build_tools makes them.
if(CMAKE_CROSSCOMPILING AND AMPORA_RENDER_ICON) # given by the build that builds this one
    add_custom_target(ampora_build_tools)
elseif(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(dir ${CMAKE_BINARY_DIR}/build-tools)
    set(AMPORA_RENDER_ICON ${dir}/ampora_render_icon)
    set(AMPORA_PE_LOAD_CONFIG ${dir}/ampora_pe_load_config)
    ExternalProject_Add(ampora_build_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools
        BINARY_DIR ${dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON # its own build notices a changed source; ExternalProject would not
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${AMPORA_RENDER_ICON} ${AMPORA_PE_LOAD_CONFIG})
else()
    add_subdirectory(tools)
    set(AMPORA_RENDER_ICON ampora_render_icon)
    set(AMPORA_PE_LOAD_CONFIG ampora_pe_load_config)
    add_custom_target(ampora_build_tools)
    add_dependencies(ampora_build_tools ampora_render_icon)
    if(WIN32)
        add_dependencies(ampora_build_tools ampora_pe_load_config)
    endif()
endif()

# The web page, built with the Linux program where Debian's emscripten, woff2_compress, Node.js (with
# npm) and Chromium are at hand, so that its tests run with the program's (tests/CMakeLists.txt): the same
# sources as `cmake --preset web`, built as a project of its own with emscripten's toolchain, in
# build/web/. It takes the icon renderer built here.
#   AMPORA_WEB_PAGE_FILE   the page, when it is built
option(AMPORA_WEB_PAGE "Build and test the web page too, where emscripten is at hand" ON)
set(emscripten_toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
find_program(NODE node)
find_program(WOFF2_COMPRESS woff2_compress)
find_program(NPM npm)
find_program(CHROMIUM chromium)
if(NOT AMPORA_WEB_PAGE)
    return()
elseif(NOT EXISTS ${emscripten_toolchain} OR NOT NODE OR NOT NPM OR NOT WOFF2_COMPRESS OR NOT CHROMIUM)
    message(STATUS "Web page not built: it takes emscripten, woff2, Node.js with npm, and chromium")
    return()
endif()
include(ExternalProject)
ExternalProject_Add(ampora_web_page
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/web
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${emscripten_toolchain} -DCMAKE_BUILD_TYPE=MinSizeRel
        -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
        -DAMPORA_RENDER_ICON=$<TARGET_FILE:ampora_render_icon>
    BUILD_ALWAYS ON # its own build notices a changed source; ExternalProject would not
    INSTALL_COMMAND ""
    DEPENDS ampora_render_icon)
set(AMPORA_WEB_PAGE_FILE ${CMAKE_BINARY_DIR}/web/ampora.html)

# The first frame (ui/FirstFrame.h): the main window in its start state, drawn at build time by
# tools/render-first-frame.cpp once for each screen scale in AMPORA_FIRST_FRAME_SCALES, and packed
# with zstd, which unpacks it in less time than drawing would take. Only a native Linux build
# draws it: offscreen text there is the screen's (fontconfig serves both), and a cross build
# cannot run the window. Elsewhere, and at other scales, the controls draw the first frame.
#   ampora_add_first_frame(TARGET)   builds the pictures into TARGET's resources
# AMPORA_FIRST_FRAMES lists the scales the build draws: those of AMPORA_FIRST_FRAME_SCALES, or none.
set(AMPORA_FIRST_FRAME_SCALES 1 1.25 1.5 2 CACHE STRING "Screen scales with a first frame")
set(AMPORA_FIRST_FRAMES)
if(NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
    set(AMPORA_FIRST_FRAMES ${AMPORA_FIRST_FRAME_SCALES})
    qt_add_executable(first_frame_renderer ${PROJECT_SOURCE_DIR}/tools/render-first-frame.cpp)
    target_link_libraries(first_frame_renderer PRIVATE ampora_ui)
    set(first_frame_dir ${CMAKE_BINARY_DIR}/first-frame)
    file(MAKE_DIRECTORY ${first_frame_dir}) # make-based generators create no output folders
    set(first_frames)
    foreach(scale IN LISTS AMPORA_FIRST_FRAMES)
        # The renderer refuses a name the program would not look for (a scale written "1.0").
        set(picture ${first_frame_dir}/first-frame-${scale}x.argb)
        add_custom_command(OUTPUT ${picture}
            COMMAND ${CMAKE_COMMAND} -E env QT_SCALE_FACTOR=${scale}
                    $<TARGET_FILE:first_frame_renderer> ${picture}
            DEPENDS first_frame_renderer
            COMMENT "Drawing the main window's first frame at ${scale}x"
            VERBATIM)
        list(APPEND first_frames ${picture})
    endforeach()
    add_custom_target(first_frame_pictures DEPENDS ${first_frames})
endif()

function(ampora_add_first_frame target)
    if(AMPORA_FIRST_FRAMES)
        add_dependencies(${target} first_frame_pictures)
        qt_add_resources(${target} first_frame PREFIX / BASE ${first_frame_dir}
            OPTIONS --compress-algo zstd --compress 19 FILES ${first_frames})
    endif()
endfunction()

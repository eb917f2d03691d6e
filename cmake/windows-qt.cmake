# Where Qt for Windows lies, the static Qt built with MinGW-w64 (posix threads) that the cross
# build links: AMPORA_WINDOWS_QT, given to CMake or in the environment, else the workplace's own,
# trimmed for size; and the script beside it that built it, which the relinking kit carries.
#   cmake -P cmake/windows-qt.cmake    prints the folder when it holds such a Qt, else nothing
set(folder "${CMAKE_CURRENT_LIST_DIR}/../../shared/toolkits/qt-6.4.2-x86_64-w64-mingw32-small")
set(script build-qt-mingw-small.sh)
if(DEFINED ENV{AMPORA_WINDOWS_QT})
    set(folder "$ENV{AMPORA_WINDOWS_QT}")
endif()
if(CMAKE_SCRIPT_MODE_FILE)
    get_filename_component(folder "${folder}" ABSOLUTE)
    if(EXISTS "${folder}/lib/cmake/Qt6/qt.toolchain.cmake")
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${folder}")
    endif()
else()
    set(AMPORA_WINDOWS_QT "${folder}" CACHE PATH
        "Qt for 64-bit Windows, built statically with MinGW-w64 (posix threads)")
    set(AMPORA_WINDOWS_QT_SCRIPT "${AMPORA_WINDOWS_QT}/../${script}")
endif()

# Cross-compiles Ampora for 64-bit Windows on Linux: MinGW-w64 with posix threads, against a
# static Qt built with it. Qt's own toolchain file brings in the compilers.
include(${CMAKE_CURRENT_LIST_DIR}/windows-qt.cmake)
get_filename_component(AMPORA_WINDOWS_QT "${AMPORA_WINDOWS_QT}" ABSOLUTE)
# try_compile projects read this file again and need the same Qt.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES AMPORA_WINDOWS_QT)
if(NOT EXISTS "${AMPORA_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for Windows in ${AMPORA_WINDOWS_QT}: set AMPORA_WINDOWS_QT")
endif()
# moc, rcc and uic run here, so they come from the build machine's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
include("${AMPORA_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")

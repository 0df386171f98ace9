# Toolchain of the windows-mingw preset: 64-bit Windows from Debian with the
# MinGW-w64 compilers and the Qt for Windows that shared/toolchains/ holds
# beside the checkout (Qt 6.4.2 built from Debian's qt6-base source; see its
# README.md). The archive is unpacked once into build-windows/toolchain/.
# Debian's own moc, uic and rcc (host path /usr) serve this build.
get_filename_component(RX20_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(RX20_QT_ARCHIVE
    "${RX20_SOURCE_DIR}/../shared/toolchains/qt6.4.2-mingw-w64-x86_64.tar.xz")
set(RX20_QT_TOOLCHAIN_DIR "${RX20_SOURCE_DIR}/build-windows/toolchain")
set(RX20_QT_DIR "${RX20_QT_TOOLCHAIN_DIR}/qt6-mingw")

if(NOT EXISTS "${RX20_QT_DIR}/lib/cmake/Qt6/qt.toolchain.cmake")
    if(NOT EXISTS "${RX20_QT_ARCHIVE}")
        message(FATAL_ERROR
            "The Windows build needs Qt for Windows: ${RX20_QT_ARCHIVE} is missing.\n"
            "Put the shared/ folder (shared/toolchains/qt6.4.2-mingw-w64-x86_64.tar.xz, "
            "rebuilt by its build-qt6-mingw.sh) beside this checkout.")
    endif()
    # Unpacked beside its final place and moved, so a broken-off unpack is
    # never taken for a whole one.
    file(REMOVE_RECURSE "${RX20_QT_TOOLCHAIN_DIR}/unpacking")
    file(ARCHIVE_EXTRACT INPUT "${RX20_QT_ARCHIVE}"
         DESTINATION "${RX20_QT_TOOLCHAIN_DIR}/unpacking")
    file(RENAME "${RX20_QT_TOOLCHAIN_DIR}/unpacking/qt6-mingw" "${RX20_QT_DIR}")
    file(REMOVE_RECURSE "${RX20_QT_TOOLCHAIN_DIR}/unpacking")
endif()

set(QT_HOST_PATH "/usr" CACHE PATH "Qt's host tools (Debian's qt6-base-dev-tools)")
set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/x86_64-linux-gnu/cmake" CACHE PATH "")
include("${RX20_QT_DIR}/lib/cmake/Qt6/qt.toolchain.cmake")

# CTest runs the Windows programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${RX20_SOURCE_DIR}/scripts/wine-run.sh")

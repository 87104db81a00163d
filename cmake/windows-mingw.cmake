# Toolchain for the Windows build: the MinGW-w64 cross compiler, the Qt and
# GoogleTest that scripts/windows/build-qt cross-built into the cache, and Wine
# to run what was built (the tests under ctest).
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows-mingw.cmake
get_filename_component(_termalo_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
include(${_termalo_root}/scripts/windows/mingw-compilers.cmake)

# The cache folders, as the scripts name them.
execute_process(
  COMMAND bash -c "source '${_termalo_root}/scripts/windows/paths' && echo \"$qt_prefix;$gtest_prefix\""
  OUTPUT_VARIABLE _termalo_prefixes OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
list(GET _termalo_prefixes 0 TERMALO_WINDOWS_QT_PREFIX)
list(GET _termalo_prefixes 1 TERMALO_WINDOWS_GTEST_PREFIX)
if(NOT EXISTS ${TERMALO_WINDOWS_QT_PREFIX}/.qtbase-done)
  message(FATAL_ERROR "No Qt for Windows in ${TERMALO_WINDOWS_QT_PREFIX}: run scripts/windows/build-qt (make windows does)")
endif()

list(APPEND CMAKE_FIND_ROOT_PATH ${TERMALO_WINDOWS_QT_PREFIX} ${TERMALO_WINDOWS_GTEST_PREFIX})
list(PREPEND CMAKE_PREFIX_PATH ${TERMALO_WINDOWS_QT_PREFIX} ${TERMALO_WINDOWS_GTEST_PREFIX})
# Qt's tools (moc, uic, rcc) are the Linux Qt's, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR ${_termalo_root}/scripts/windows/wine-run)

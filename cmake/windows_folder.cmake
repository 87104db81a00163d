# Writes the Windows program's folder: termalo.exe, the Qt DLLs and plugins it
# loads, MinGW's C++ runtime, Qt's Polish texts and qt.conf. There is no
# deployment tool for a cross build, so the list is short and explicit. Also
# writes the installer script for that folder. Run by the windows_folder target.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})

# The program without its line tables: a backtrace on Windows has no use for them.
execute_process(COMMAND ${STRIP} -o ${FOLDER}/termalo.exe ${EXE} COMMAND_ERROR_IS_FATAL ANY)

set(qt_dlls Core Gui Widgets PrintSupport)
# Plugins by their folder under plugins/: the Windows platform, the headless
# platform for tools run without a screen, and Windows' own style for anything
# the program's style leaves to the platform. Printing to Windows' printers is
# part of Qt6PrintSupport.dll itself.
set(plugins platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll)
if(WITH_SVG)
  list(APPEND qt_dlls Svg)
  list(APPEND plugins imageformats/qsvg.dll iconengines/qsvgicon.dll)
endif()
# Each DLL is copied without its symbol tables, which only a debugger reads:
# the folder shrinks to a third.
function(copy_stripped from to_dir)
  get_filename_component(name ${from} NAME)
  file(MAKE_DIRECTORY ${to_dir})
  execute_process(COMMAND ${STRIP} --strip-unneeded -o ${to_dir}/${name} ${from} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
foreach(module ${qt_dlls})
  copy_stripped(${QT_PREFIX}/bin/Qt6${module}.dll ${FOLDER})
endforeach()
foreach(plugin ${plugins})
  get_filename_component(dir ${plugin} DIRECTORY)
  copy_stripped(${QT_PREFIX}/plugins/${plugin} ${FOLDER}/plugins/${dir})
endforeach()

# MinGW's runtime, from the compiler that built the program.
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CXX} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CXX} has no ${dll}")
  endif()
  copy_stripped(${path} ${FOLDER})
endforeach()

# Qt's own Polish texts (buttons of message boxes, the print dialog), where
# qt.conf tells Qt to look for translations.
file(COPY /usr/share/qt6/translations/qtbase_pl.qm DESTINATION ${FOLDER}/translations)
file(COPY ${SOURCE_DIR}/resources/windows/qt.conf DESTINATION ${FOLDER})
configure_file(${SOURCE_DIR}/LICENSE ${FOLDER}/LICENSE.txt COPYONLY)

# Nothing the folder needs is missing.
execute_process(COMMAND ${CMAKE_COMMAND} -DFOLDER=${FOLDER} -DOBJDUMP=${OBJDUMP}
                        -P ${CMAKE_CURRENT_LIST_DIR}/windows_folder_check.cmake
                COMMAND_ERROR_IS_FATAL ANY)

# The installer script: the folder's size for "Apps & features", and exactly
# the files the installer removes, then their folders, deepest first.
file(GLOB_RECURSE relative LIST_DIRECTORIES false RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT relative)
set(bytes 0)
set(TERMALO_WINDOWS_DELETE_FILES "")
set(dirs "")
foreach(f ${relative})
  file(SIZE ${FOLDER}/${f} size)
  math(EXPR bytes "${bytes} + ${size}")
  string(REPLACE "/" "\\" w ${f})
  string(APPEND TERMALO_WINDOWS_DELETE_FILES "  Delete \"$INSTDIR\\${w}\"\n")
  get_filename_component(d ${f} DIRECTORY)
  while(d)
    list(APPEND dirs ${d})
    get_filename_component(d ${d} DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES dirs)
list(SORT dirs ORDER DESCENDING)
math(EXPR TERMALO_WINDOWS_SIZE_KB "(${bytes} + 1023) / 1024")
set(TERMALO_WINDOWS_DELETE_DIRS "")
foreach(d ${dirs})
  string(REPLACE "/" "\\" w ${d})
  string(APPEND TERMALO_WINDOWS_DELETE_DIRS "  RMDir \"$INSTDIR\\${w}\"\n")
endforeach()
set(TERMALO_WINDOWS_FOLDER ${FOLDER})
set(TERMALO_WINDOWS_ICON ${ICON})
set(TERMALO_INSTALLER ${INSTALLER})
set(PROJECT_VERSION ${VERSION})
string(REPLACE "." ";" parts ${VERSION})
list(GET parts 0 PROJECT_VERSION_MAJOR)
list(GET parts 1 PROJECT_VERSION_MINOR)
configure_file(${NSI_IN} ${NSI} @ONLY)

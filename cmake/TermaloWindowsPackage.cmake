# The Windows program: a GUI program (no console window) carrying its icon,
# version information and manifest. `make windows` puts it into a folder with
# what it needs of Qt and of MinGW's runtime, zips the folder and makes the
# installer; the windows_folder_complete test checks the folder.
enable_language(RC)
set(TERMALO_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/resources/windows/termalo.ico)
set(TERMALO_WINDOWS_MANIFEST ${PROJECT_SOURCE_DIR}/resources/windows/termalo.manifest)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/termalo.rc.in ${PROJECT_BINARY_DIR}/termalo.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/termalo.rc PROPERTIES
                            OBJECT_DEPENDS "${TERMALO_WINDOWS_ICON};${TERMALO_WINDOWS_MANIFEST}")
target_sources(termalo PRIVATE ${PROJECT_BINARY_DIR}/termalo.rc)
set_target_properties(termalo PROPERTIES WIN32_EXECUTABLE ON)

# The Qt the program was built with: <prefix>/lib/cmake/Qt6.
get_filename_component(TERMALO_WINDOWS_QT_PREFIX ${Qt6_DIR}/../../.. ABSOLUTE)
set(TERMALO_WINDOWS_NAME Termalo-${PROJECT_VERSION})
set(TERMALO_WINDOWS_FOLDER ${PROJECT_BINARY_DIR}/windows/${TERMALO_WINDOWS_NAME})
set(TERMALO_WINDOWS_ZIP ${PROJECT_BINARY_DIR}/termalo-${PROJECT_VERSION}-windows.zip)
set(TERMALO_INSTALLER ${PROJECT_BINARY_DIR}/termalo-${PROJECT_VERSION}-setup.exe)
set(TERMALO_WINDOWS_NSI ${PROJECT_BINARY_DIR}/windows/termalo.nsi)
if(TARGET Qt6::Svg)
  set(TERMALO_WINDOWS_WITH_SVG ON)
else()
  set(TERMALO_WINDOWS_WITH_SVG OFF)
endif()

find_program(TERMALO_ZIP zip REQUIRED)
find_program(TERMALO_MAKENSIS makensis REQUIRED)

add_custom_target(windows_folder
  COMMAND ${CMAKE_COMMAND}
          -DEXE=$<TARGET_FILE:termalo> -DFOLDER=${TERMALO_WINDOWS_FOLDER}
          -DQT_PREFIX=${TERMALO_WINDOWS_QT_PREFIX} -DWITH_SVG=${TERMALO_WINDOWS_WITH_SVG}
          -DCXX=${CMAKE_CXX_COMPILER} -DSTRIP=${CMAKE_STRIP} -DOBJDUMP=${CMAKE_OBJDUMP}
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DNSI_IN=${PROJECT_SOURCE_DIR}/resources/windows/termalo.nsi.in
          -DNSI=${TERMALO_WINDOWS_NSI} -DINSTALLER=${TERMALO_INSTALLER}
          -DICON=${TERMALO_WINDOWS_ICON} -DVERSION=${PROJECT_VERSION}
          -P ${PROJECT_SOURCE_DIR}/cmake/windows_folder.cmake
  DEPENDS termalo
  COMMENT "The program's folder: ${TERMALO_WINDOWS_FOLDER}"
  VERBATIM)

add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TERMALO_WINDOWS_ZIP}
  COMMAND ${TERMALO_ZIP} -qr9 -X ${TERMALO_WINDOWS_ZIP} ${TERMALO_WINDOWS_NAME}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/windows
  DEPENDS windows_folder
  COMMENT "The folder zipped: ${TERMALO_WINDOWS_ZIP}"
  VERBATIM)

add_custom_target(windows_installer
  COMMAND ${TERMALO_MAKENSIS} -V2 ${TERMALO_WINDOWS_NSI}
  DEPENDS windows_folder
  COMMENT "The installer: ${TERMALO_INSTALLER}"
  VERBATIM)

add_custom_target(windows_package DEPENDS windows_zip windows_installer)

# Every DLL the program and its plugins load is in the folder or part of
# Windows; Qt's Polish texts and plugins are where qt.conf says.
add_test(NAME windows_folder_complete
         COMMAND ${CMAKE_COMMAND} -DFOLDER=${TERMALO_WINDOWS_FOLDER} -DOBJDUMP=${CMAKE_OBJDUMP}
                 -P ${PROJECT_SOURCE_DIR}/cmake/windows_folder_check.cmake)

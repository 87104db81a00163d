# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake: installs the build
# into PREFIX and checks that a desktop finds the program there: the program,
# its desktop entry and icons, and metainfo that AppStream accepts as a whole
# (the entry it launches and the icon it names included).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/termalo
    share/applications/termalo.desktop
    share/metainfo/example.termalo.termalo.metainfo.xml
    share/mime/packages/termalo.xml
    share/doc/termalo/copyright
    share/doc/termalo/changelog.Debian.gz
    share/man/man1/termalo.1.gz
    share/man/pl/man1/termalo.1.gz)
foreach(side 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/termalo.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/bin/termalo RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "bin/termalo is not executable")
endif()

file(STRINGS ${PREFIX}/share/applications/termalo.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=termalo %f")
  message(FATAL_ERROR "the desktop entry starts '${exec}', not the installed program")
endif()

# The month files' type: the shared MIME database of the tree takes it, with
# the program's desktop entry as their handler.
find_program(update_mime update-mime-database)
if(NOT update_mime)
  message(FATAL_ERROR "update-mime-database is not installed (scripts/setup installs it)")
endif()
file(REMOVE_RECURSE ${PREFIX}/../mime-check)
file(COPY ${PREFIX}/share/mime/packages DESTINATION ${PREFIX}/../mime-check)
execute_process(COMMAND ${update_mime} ${PREFIX}/../mime-check RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT EXISTS ${PREFIX}/../mime-check/application/x-termalo-month.xml)
  message(FATAL_ERROR "the shared MIME database does not take share/mime/packages/termalo.xml: ${out}${err}")
endif()
file(STRINGS ${PREFIX}/share/applications/termalo.desktop mime_types REGEX "^MimeType=")
if(NOT mime_types MATCHES "^MimeType=application/x-termalo-month\\\\?;$")
  message(FATAL_ERROR "the desktop entry does not open month files: '${mime_types}'")
endif()

find_program(appstreamcli appstreamcli)
if(NOT appstreamcli)
  message(FATAL_ERROR "appstreamcli is not installed (scripts/setup installs it)")
endif()
execute_process(COMMAND ${appstreamcli} validate-tree --no-net ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree: exit code ${result}")
endif()

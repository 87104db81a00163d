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
if(NOT exec STREQUAL "Exec=termalo")
  message(FATAL_ERROR "the desktop entry starts '${exec}', not the installed program")
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

# cmake -DMAN_DIR=... -P check_manual.cmake: man renders the English and the
# Polish manual page of the build (MAN_DIR is a man tree: man1/, pl/man1/), both
# as files (man -l) and found by name (man termalo, man -L pl termalo), with no
# warning from groff.
find_program(man man)
if(NOT man)
  message(FATAL_ERROR "man is not installed (scripts/setup installs man-db)")
endif()

# Renders with the arguments after `expected`; fails on an error or a warning, and unless the page holds
# every text of `expected`.
function(check_rendering name expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 MANPATH=${MAN_DIR} MAN_KEEP_STDERR=1
                          ${man} --warnings -E UTF-8 ${ARGN}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR NOT err STREQUAL "")
    string(JOIN " " command ${ARGN})
    message(FATAL_ERROR "${name}: man ${command}: exit code ${result}\n${err}")
  endif()
  # Justified lines stretch the blanks between words.
  string(REGEX REPLACE "[ \t\n]+" " " words "${out}")
  foreach(text IN LISTS expected)
    string(FIND "${words}" "${text}" at)
    if(at LESS 0)
      message(FATAL_ERROR "${name}: no \"${text}\" in\n${out}")
    endif()
  endforeach()
  if(out MATCHES "@[A-Z_]+@")
    message(FATAL_ERROR "${name}: a placeholder is left in\n${out}")
  endif()
endfunction()

set(english "termalo - judge a month of" "REGIONAL SETTINGS" "decimal separator" "long time format"
    "MONTH FILES" "\"format\": \"termalo-month\"")
set(polish "termalo - ocena miesiąca działalności" "USTAWIENIA REGIONALNE" "separator dziesiętny"
    "długi format czasu" "PLIKI MIESIĘCY" "\"format\": \"termalo-month\"")
check_rendering("English page" "${english}" -l ${MAN_DIR}/man1/termalo.1.gz)
check_rendering("Polish page" "${polish}" -l ${MAN_DIR}/pl/man1/termalo.1.gz)
check_rendering("man termalo" "${english}" termalo)
check_rendering("man -L pl termalo" "${polish}" -L pl termalo)

# The Windows build: cross-built with MinGW-w64 (cmake/windows-mingw.cmake), its
# tests run under Wine. It builds the same program and the same tests; what
# needs a part only Linux has stays in the Linux build, named here with the
# reason.

# MinGW-w64 has no AddressSanitizer or UndefinedBehaviorSanitizer runtime, and
# libFuzzer is clang's on Linux.
set(TERMALO_SANITIZED_CORE_TESTS OFF)
set(TERMALO_SANITIZED_UI_TESTS OFF)
set(TERMALO_FUZZ OFF)

# Test name, then why it runs on Linux only. ctest lists each as not run.
set(TERMALO_LINUX_ONLY_TESTS
    text_field_x11_tests "the PRIMARY selection and dragging, read back with xclip on an X server"
    postscript_printing_tests "a Linux printer queue: pdftops and ghostscript, under GNOME's Adwaita style"
    desktop_entry_valid "the Linux desktop entry (desktop-file-validate)"
    appstream_metainfo_valid "the AppStream metainfo of Linux software centres (appstreamcli)"
    install_tree "the installation under /usr (the Windows one is checked by windows_folder_complete)"
    package_lintian "the Debian package (lintian)"
    manual_pages "the manual pages (man)"
    ui_tests_sanitized "AddressSanitizer and UBSan, which MinGW-w64 lacks"
    fuzz_number_syntax "libFuzzer, clang's on Linux"
    fuzz_engine_report "libFuzzer, clang's on Linux"
    fuzz_display_text "libFuzzer, clang's on Linux")

# The reason `name` runs on Linux only, or nothing.
function(termalo_linux_only_reason name out)
  list(FIND TERMALO_LINUX_ONLY_TESTS ${name} index)
  if(index LESS 0)
    set(${out} "" PARENT_SCOPE)
  else()
    math(EXPR index "${index} + 1")
    list(GET TERMALO_LINUX_ONLY_TESTS ${index} reason)
    set(${out} "${reason}" PARENT_SCOPE)
  endif()
endfunction()

# Registers `name` as a test that is not run here, saying why.
function(termalo_add_linux_only_test name)
  # if(TEST) sees only the current folder's tests: the names registered so far
  # are kept for the whole build.
  get_property(registered GLOBAL PROPERTY TERMALO_LINUX_ONLY_REGISTERED)
  if(name IN_LIST registered)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY TERMALO_LINUX_ONLY_REGISTERED ${name})
  termalo_linux_only_reason(${name} reason)
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "Linux only: ${reason}")
  set_tests_properties(${name} PROPERTIES DISABLED TRUE LABELS linux_only)
endfunction()

# Every Linux-only test not registered otherwise.
function(termalo_add_linux_only_tests)
  list(LENGTH TERMALO_LINUX_ONLY_TESTS count)
  math(EXPR last "${count} - 2")
  foreach(index RANGE 0 ${last} 2)
    list(GET TERMALO_LINUX_ONLY_TESTS ${index} name)
    termalo_add_linux_only_test(${name})
  endforeach()
endfunction()

# Single cases of otherwise portable suites that use a program or a place only
# Linux has: suite, GoogleTest pattern, reason. The suite runs without them.
set(poppler "reads the printed PDF back with poppler-utils, Linux programs a test under Wine cannot start")
set(TERMALO_LINUX_ONLY_CASES
    results_tests "*PrintingTest.ConfirmedPrintsTheWindowOnOnePageAsText*" ${poppler}
    results_tests "ResultsTest.PrintedIndicatorScreenKeepsItsOnScreenSize" ${poppler}
    results_tests "*PaperTest.EveryWordIsPrintedInsideTheChosenMargins*" ${poppler}
    results_tests "ResultsTest.NearlySquareChartOnLandscapePaperKeepsRoomOnEverySide" ${poppler}
    chart_windows_tests "*ChartPrintingTest.ConfirmedPrintsTheChartAloneAsTextOnOnePage*" ${poppler}
    export_tests "ExportTest.SavesEachFormatAndLeavesNothingWhereItCannotWrite"
        "writes into /proc, which Windows does not have, and reads the PDF with pdfinfo (desktop_files_test saves under Windows)")

# `out` becomes the GoogleTest option that leaves out `suite`'s Linux-only cases,
# or nothing.
function(termalo_linux_only_filter suite out)
  set(patterns "")
  # Without Qt's SVG module there is no SVG to check.
  if(NOT TARGET Qt6::Svg AND suite STREQUAL "export_tests")
    list(APPEND patterns "ExportTest.ChartCopiesAsPictureAndAsSvgWithItsTexts")
  endif()
  list(LENGTH TERMALO_LINUX_ONLY_CASES count)
  if(count GREATER 0)
    math(EXPR last "${count} - 3")
    foreach(index RANGE 0 ${last} 3)
      list(GET TERMALO_LINUX_ONLY_CASES ${index} name)
      if(name STREQUAL suite)
        math(EXPR p "${index} + 1")
        list(GET TERMALO_LINUX_ONLY_CASES ${p} pattern)
        list(APPEND patterns ${pattern})
      endif()
    endforeach()
  endif()
  if(patterns)
    list(JOIN patterns ":" joined)
    set(${out} "--gtest_filter=-${joined}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# The tests a second time under AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer: the whole program built again in
# <build>/sanitized with the sanitizers on, and its tests run there by one test
# of this build. Every core and UI test of the tree takes part, whichever
# windows exist.

set(TERMALO_SANITIZED_MONKEY_SECONDS 60 CACHE STRING "Seconds of the monkey run under the sanitizers")

if(TERMALO_SANITIZED_UI_TESTS)
  include(ExternalProject)
  set(sanitized_dir ${CMAKE_BINARY_DIR}/sanitized)
  set(sanitizer_flags "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer")
  ExternalProject_Add(termalo_sanitized
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${sanitized_dir}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Sanitized
               "-DCMAKE_CXX_FLAGS_SANITIZED=-O0 -g1 ${sanitizer_flags}"
               "-DCMAKE_EXE_LINKER_FLAGS_SANITIZED=${sanitizer_flags}"
               -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
               "-DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}"
               # Warnings are this build's business; the copy only runs the tests.
               -DTERMALO_WERROR=OFF
               -DTERMALO_SANITIZED_UI_TESTS=OFF -DTERMALO_SANITIZED_CORE_TESTS=OFF
               -DTERMALO_FUZZ=OFF -DTERMALO_BENCHMARKS_AND_TOOLS=OFF
               -DTERMALO_MONKEY_SECONDS=${TERMALO_SANITIZED_MONKEY_SECONDS}
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${sanitized_dir} -j2
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  # The checks left out look at the program file, its installation and its
  # package, not at behaviour.
  add_test(NAME ui_tests_sanitized
           COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${sanitized_dir} --output-on-failure -j2
                   -E "^(product_links_no_test_double|desktop_entry_valid|appstream_metainfo_valid|install_tree|package_lintian|manual_pages)$")
  # Two foundation tests let an exception unwind through Qt's handling of a
  # mouse click on purpose, to show that the application object's last-resort
  # catch works; Qt then leaks its copy of the event, which is why the program
  # itself never lets one through. They run in the plain build only.
  set(last_resort_tests "WindowsTest.ExceptionsFromHandlersReachTheErrorBoxAndTheProgramGoesOn:WindowsTest.EveryKindOfExceptionFromAButtonOrAnActivationIsShownTheSameWay")
  set_tests_properties(ui_tests_sanitized PROPERTIES TIMEOUT 900 ENVIRONMENT
      "GTEST_FILTER=-${last_resort_tests};ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endif()

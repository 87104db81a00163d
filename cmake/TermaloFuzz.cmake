# The fuzz targets of tests/fuzz: a separate build with clang and libFuzzer
# (the main build uses g++), run by ctest for a short while each.
# Longer runs: see the README.
option(TERMALO_FUZZ "Build the fuzz targets with clang and run each briefly in ctest" ON)
set(TERMALO_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs in ctest")
set(TERMALO_FUZZ_CLANG clang++-14 CACHE STRING "The clang that builds the fuzz targets")

if(TERMALO_FUZZ)
  find_program(TERMALO_FUZZ_CLANG_PATH ${TERMALO_FUZZ_CLANG})
  if(NOT TERMALO_FUZZ_CLANG_PATH)
    message(WARNING "${TERMALO_FUZZ_CLANG} not found: the fuzz targets are not built (scripts/setup installs it)")
  else()
    include(ExternalProject)
    set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
    ExternalProject_Add(termalo_fuzz
      SOURCE_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz
      BINARY_DIR ${fuzz_dir}
      CMAKE_GENERATOR Ninja
      CMAKE_ARGS -DCMAKE_CXX_COMPILER=${TERMALO_FUZZ_CLANG_PATH} -DCMAKE_BUILD_TYPE=RelWithDebInfo
      BUILD_COMMAND ${CMAKE_COMMAND} --build ${fuzz_dir} -j2
      # The core's sources may have changed: let the sub-build decide.
      BUILD_ALWAYS ON
      INSTALL_COMMAND "")
    foreach(target number_syntax engine_report display_text month_file)
      # New inputs go to a scratch folder in the build tree; the seeds in the
      # repository are only read.
      set(scratch ${fuzz_dir}/found/${target})
      add_test(NAME fuzz_${target}
               COMMAND sh -c "mkdir -p '${scratch}' '${fuzz_dir}/artifacts' && exec '${fuzz_dir}/fuzz_${target}' \
-max_total_time=${TERMALO_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
-artifact_prefix='${fuzz_dir}/artifacts/${target}-' '${scratch}' '${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${target}'")
      set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 300 LABELS fuzz)
    endforeach()
  endif()
endif()

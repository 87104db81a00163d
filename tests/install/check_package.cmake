# cmake -DBUILD_DIR=... -DWORK_DIR=... -P check_package.cmake: makes the Debian
# package of the build with cpack into WORK_DIR and runs lintian on it, failing
# on any error or warning (pedantic and informational tags are shown only).
file(REMOVE_RECURSE ${WORK_DIR})
find_program(lintian lintian)
if(NOT lintian)
  message(FATAL_ERROR "lintian is not installed (scripts/setup installs it)")
endif()
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}\n${out}${err}")
endif()
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages in ${WORK_DIR}, not one")
endif()
execute_process(COMMAND ${lintian} --fail-on error,warning --display-info --pedantic ${packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings in ${packages} (exit code ${result})")
endif()

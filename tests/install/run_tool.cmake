# cmake -DTOOL=name -DARGS=a;b;c -P run_tool.cmake: runs the tool, failing when
# it is missing or reports a fault.
find_program(tool_path ${TOOL})
if(NOT tool_path)
  message(FATAL_ERROR "${TOOL} is not installed (scripts/setup installs it)")
endif()
execute_process(COMMAND ${tool_path} ${ARGS} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TOOL} ${ARGS}: exit code ${result}")
endif()

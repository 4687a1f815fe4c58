# Runs a script that must fail and checks where and how: its first line
# reads "# fails at line N with exit code R: <message>", and the driver
# must exit with R and report "<script>:N: <message>".
file(STRINGS ${SCRIPT} header LIMIT_COUNT 1)
if(NOT header MATCHES "^# fails at line ([0-9]+) with exit code ([0-9]+): (.*)$")
  message(FATAL_ERROR "${SCRIPT}: first line does not say how the script fails")
endif()
set(want_line ${CMAKE_MATCH_1})
set(want_rc ${CMAKE_MATCH_2})
string(REPLACE "\\;" ";" want_message "${CMAKE_MATCH_3}")
execute_process(COMMAND ${DRIVE} --quiet ${SCRIPT} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
if(NOT rc EQUAL want_rc)
  message(FATAL_ERROR "exit code ${rc}, expected ${want_rc}; stderr: ${err}")
endif()
set(want "${SCRIPT}:${want_line}: ${want_message}\n")
if(NOT err STREQUAL want)
  message(FATAL_ERROR "stderr:\n${err}expected:\n${want}")
endif()

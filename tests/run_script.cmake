# Runs one scenario script and judges it on everything it did, not only on what it printed:
#   cmake [-DEXPECT_OUTPUT=regex] [-DEXPECT_FAIL=1] -P run_script.cmake -- GAME ARGS...
# A script passes when the program exits 0 (non-zero with EXPECT_FAIL), prints no
# "script:LINE:" complaint (a failed expect, until or bad line), and its output, standard output
# and errors together, matches EXPECT_OUTPUT when one is given.
set(command "")
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(after_dashes)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(after_dashes TRUE)
  endif()
endforeach()

execute_process(COMMAND ${command}
  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE code)
message("${output}")

set(verdict "")
if(EXPECT_FAIL)
  if(code EQUAL 0)
    set(verdict "exited 0, but this script must make the program fail")
  endif()
elseif(NOT code EQUAL 0)
  set(verdict "exited with '${code}'")
endif()
if(output MATCHES "(^|\n)script:[0-9]+:")
  string(APPEND verdict " a script check or line failed")
endif()
if(DEFINED EXPECT_OUTPUT AND NOT output MATCHES "${EXPECT_OUTPUT}")
  string(APPEND verdict " the output does not match: ${EXPECT_OUTPUT}")
endif()
if(verdict)
  message(FATAL_ERROR "script failed:${verdict}")
endif()

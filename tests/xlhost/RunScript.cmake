# cmake -DEMULATOR=... -DHOST=xlhost.exe -DDLL=Stochal.dll -DSCRIPT=x.script
#       -DEXPECTED=x.expected [-DEXIT_CODE=n] -DWORK=dir -P RunScript.cmake
# Runs one script in the test Excel and compares its standard output with
# the expected file, line by line, and its exit code with EXIT_CODE (0).
if(NOT EXIT_CODE)
  set(EXIT_CODE 0)
endif()
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${EMULATOR} ${HOST} --script ${SCRIPT} --dll ${DLL}
  WORKING_DIRECTORY ${WORK}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE code TIMEOUT 300)
string(REPLACE "\r\n" "\n" output "${output}")
file(READ ${EXPECTED} expected)
if(NOT code STREQUAL EXIT_CODE OR NOT output STREQUAL expected)
  message(FATAL_ERROR "exit code ${code} (expected ${EXIT_CODE})\n--- output:\n${output}--- expected:\n${expected}--- errors:\n${errors}")
endif()

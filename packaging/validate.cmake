# Runs a validator of installed desktop files on FILE and fails on any error or warning.
#   cmake -DTOOL=desktop-file-validate|appstreamcli -DFILE=... -P validate.cmake
# The tools come from the Debian packages desktop-file-utils and appstream, which
# scripts/setup-debian.sh installs.

find_program(tool_path "${TOOL}")
if(NOT tool_path)
  message(FATAL_ERROR "${TOOL} is not installed: run scripts/setup-debian.sh")
endif()
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} does not exist: the install test did not run or failed")
endif()

if(TOOL STREQUAL "appstreamcli")
  set(command "${tool_path}" validate --no-net --explain "${FILE}")
else()
  set(command "${tool_path}" "${FILE}")
endif()
execute_process(COMMAND ${command}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
# desktop-file-validate reports warnings with exit status 0; they fail the test too.
if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[^\n]*(error|warning): ")
  message(FATAL_ERROR "${TOOL} rejects ${FILE}")
endif()

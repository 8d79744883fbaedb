# Runs one golden transcript:
#   cmake -DTOOL=<kvint-script> -DSCRIPT=<NAME.kvs> -DASSETS=<assets root> -P run_golden.cmake
# The script's leading comment lines may hold
#   # assets: NAME   the folder under ASSETS given to the tool (default: default)
#   # exit: N        the exit status the tool must give (default: 0)
# Standard output must equal NAME.out beside the script byte for byte.

foreach(var TOOL SCRIPT ASSETS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_golden.cmake needs -D${var}=...")
  endif()
endforeach()

get_filename_component(dir "${SCRIPT}" DIRECTORY)
get_filename_component(name "${SCRIPT}" NAME_WE)
set(expected "${dir}/${name}.out")

# Header: the comment lines (and blank lines) before the first command.
set(assets_name default)
set(want_exit 0)
file(STRINGS "${SCRIPT}" lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "\r$" "" line "${line}")
  if(line MATCHES "^# assets: ([A-Za-z0-9_.-]+)$")
    set(assets_name "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# exit: ([0-9]+)$")
    set(want_exit "${CMAKE_MATCH_1}")
  elseif(NOT line MATCHES "^#" AND NOT line MATCHES "^ *$")
    break()
  endif()
endforeach()

set(actual "${CMAKE_CURRENT_BINARY_DIR}/golden-${name}.actual")
execute_process(
  COMMAND "${TOOL}" --assets "${ASSETS}/${assets_name}" "${SCRIPT}"
  OUTPUT_FILE "${actual}"
  ERROR_VARIABLE stderr
  RESULT_VARIABLE got_exit)

set(failed FALSE)
if(NOT got_exit STREQUAL want_exit)
  message(SEND_ERROR "${name}: exit status ${got_exit}, expected ${want_exit}\n${stderr}")
  set(failed TRUE)
endif()

if(NOT EXISTS "${expected}")
  message(FATAL_ERROR "${name}: no expected transcript ${expected}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${expected}" "${actual}"
                RESULT_VARIABLE differs)
if(differs)
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND "${DIFF}" -u "${expected}" "${actual}" OUTPUT_VARIABLE delta)
    message("${delta}")
  else()
    message("expected: ${expected}\nactual:   ${actual}")
  endif()
  message(SEND_ERROR "${name}: transcript differs from ${name}.out")
  set(failed TRUE)
endif()

if(failed)
  message(FATAL_ERROR "golden ${name} failed")
endif()
file(REMOVE "${actual}")

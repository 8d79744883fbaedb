# Runs one golden transcript:
#   cmake -DTOOL=<kvint-script> -DSCRIPT=<NAME.kvs> -DASSETS=<assets root> -P run_golden.cmake
# The script's leading comment lines may hold
#   # assets: NAME   the folder under ASSETS given to the tool (default: default)
#   # exit: N        the exit status the tool must give (default: 0)
#   # dump: NAME ... the state fields and controls whose dump lines are compared;
#                    the other `state`/`control` lines are dropped, every other
#                    line stays. Several such lines add up. Every NAME must be one
#                    the dump prints, so a typo cannot leave nothing to compare.
# Standard output (filtered so) must equal NAME.out beside the script byte for byte.
cmake_minimum_required(VERSION 3.25)

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
set(dump_names "")
file(STRINGS "${SCRIPT}" lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "\r$" "" line "${line}")
  if(line MATCHES "^# assets: ([A-Za-z0-9_.-]+)$")
    set(assets_name "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# exit: ([0-9]+)$")
    set(want_exit "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# dump:(( [^ ]+)+)$")
    string(SUBSTRING "${CMAKE_MATCH_1}" 1 -1 names)
    string(REPLACE " " ";" names "${names}")
    list(APPEND dump_names ${names})
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

# Keeps, of the dump's lines in FILE, those of the fields and controls in
# dump_names; fails on a name no dump line carries. Works on the bytes, line by
# line, so the kept lines stay exactly as the tool wrote them.
function(filter_dump file)
  file(READ "${file}" rest)
  set(kept "")
  set(seen "")
  while(NOT rest STREQUAL "")
    string(FIND "${rest}" "\n" eol)
    if(eol EQUAL -1)
      set(line "${rest}")
      set(rest "")
    else()
      math(EXPR next "${eol} + 1")
      string(SUBSTRING "${rest}" 0 ${next} line)
      string(SUBSTRING "${rest}" ${next} -1 rest)
    endif()
    if(line MATCHES "^(state|control)\t([^\t\n]*)")
      set(field "${CMAKE_MATCH_2}")
      list(APPEND seen "${field}")
      if(NOT field IN_LIST dump_names)
        continue()
      endif()
    endif()
    string(APPEND kept "${line}")
  endwhile()
  foreach(wanted IN LISTS dump_names)
    if(NOT wanted IN_LIST seen)
      message(FATAL_ERROR "${name}: '# dump: ${wanted}' names nothing the dump prints")
    endif()
  endforeach()
  file(WRITE "${file}" "${kept}")
endfunction()

if(dump_names)
  filter_dump("${actual}")
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

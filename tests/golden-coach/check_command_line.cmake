# kvint-coach's command line:
#   cmake -DTOOL=<kvint-coach> -DVERSION=<x.y> -DMAN=<kvint-coach.1.in> -DWORK=<folder>
#         -P check_command_line.cmake
# Each case: the arguments (a list), the exit status, and a pattern that
# standard output and standard error, each, must match.
cmake_minimum_required(VERSION 3.25)

foreach(var TOOL VERSION MAN WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_command_line.cmake needs -D${var}=...")
  endif()
endforeach()

function(expect arguments status out_pattern err_pattern)
  execute_process(COMMAND "${TOOL}" ${arguments} INPUT_FILE /dev/null
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE got TIMEOUT 60)
  if(NOT got STREQUAL status OR NOT out MATCHES "${out_pattern}" OR NOT err MATCHES "${err_pattern}")
    message(SEND_ERROR "kvint-coach ${arguments}: status ${got}, expected ${status}:\n"
                       "stdout: ${out}\nstderr: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(usage "^Usage: kvint-coach \\[--assets DIR\\] \\[FILE\\]\n")
string(REPLACE "." "\\." version "${VERSION}")
expect("--help" 0 "${usage}" "^$")
set(help "${out}")
expect("--version" 0 "^kvint-coach ${version}\n$" "^$")
expect("" 0 "^$" "^$") # no query on standard input: no answer

# Usage faults: the reason and the usage on standard error, nothing else.
foreach(wrong "--bogus" "-" "--assets" "a;b" "--duel;1" "--games;5" "--seed;1"
              "--duel;3;--games;5" "--duel;1;--games;0"
              "--duel;1;--games;1000001" "--duel;1;--games;-1" "--duel;1;--games;5;--seed;-1"
              "--duel;1;--games;5;--seed;18446744073709551616" "--duel;1;--games;5;--seed;0x10"
              "--duel;1;--games;5;--duel;2" "--duel;1;--games;5;queries.kvc"
              "--assets;.;--duel;1;--games;5")
  expect("${wrong}" 2 "^$" "^kvint-coach: [^\n]+\nUsage: kvint-coach ")
endforeach()

# A FILE that cannot be read: missing, a folder, not a regular file.
expect("${WORK}/no-such-file" 2 "^$" "^kvint-coach: cannot read [^\n]*no-such-file: ")
expect("${WORK}" 2 "^$" "^kvint-coach: cannot read [^\n]*: not a regular file\n$")
expect("/dev/zero" 2 "^$" "^kvint-coach: cannot read /dev/zero: not a regular file\n$")

# A duel prints its one line, and the same seed plays the same games.
set(duel "--duel;1;--games;2;--seed;18446744073709551615")
expect("${duel}" 0 "^duel level 1 games 2 won [0-9]+ drawn [0-9]+ lost [0-9]+\n$" "^$")
set(first "${out}")
# Every game played ends won, drawn or lost.
string(REGEX MATCH "won ([0-9]+) drawn ([0-9]+) lost ([0-9]+)" counts "${out}")
math(EXPR played "${CMAKE_MATCH_1} + ${CMAKE_MATCH_2} + ${CMAKE_MATCH_3}")
if(NOT played EQUAL 2)
  message(SEND_ERROR "a duel of 2 games counted ${played}: ${out}")
endif()
# The options in another order.
expect("--seed;18446744073709551615;--games;2;--duel;1" 0 "^duel level 1 games 2 " "^$")
if(NOT out STREQUAL first)
  message(SEND_ERROR "the same seed gave\n${first}and\n${out}")
endif()

# The man page tells of every option the help text names.
file(READ "${MAN}" man)
string(REGEX MATCHALL "--[a-z]+" options "${help}")
list(REMOVE_DUPLICATES options)
foreach(option ${options})
  string(REPLACE "-" "\\\\-" roff "${option}")
  if(NOT man MATCHES "${roff}")
    message(SEND_ERROR "the man page does not tell of ${option}")
  endif()
endforeach()

# The answers whose words hang on the coach's choice, checked for their form
# and against the query, whatever the coach chooses:
#   cmake -DTOOL=<kvint-coach> -DPOSITIONS=<coach-positions> -DWORK=<folder> -P check_answers.cmake
# The queries are the documented example, a few hand-made positions and
# positions of whole generated games. Every query gets exactly one answer,
# in order; `reroll` names dice 1..6 ascending and only before the third
# roll; `write K` names a free category of the side to move; the chance has
# four digits after the point. The tool itself stops with status 1 on advice
# the rules do not allow, so a zero status says every answer passed that too.
cmake_minimum_required(VERSION 3.25)

foreach(var TOOL POSITIONS WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_answers.cmake needs -D${var}=...")
  endif()
endforeach()
file(MAKE_DIRECTORY "${WORK}")
set(queries "${WORK}/queries.kvc")

set(example "advise level 2 mode 0 side left roll 1 left 0 0 9 0 0 0 0 0 0 0 0 right 0 4 0 0 0 0 30 0 0 0 0 dice 6 6 2 6 1 6")
execute_process(COMMAND "${POSITIONS}" 400 7 OUTPUT_VARIABLE generated RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "coach-positions failed: ${status}")
endif()
# Hand-made: the last roll; player two to move; one category left free on
# either side; every category but the combinations written.
file(WRITE "${queries}" "${example}
advise level 0 mode 0 side left roll 3 left 0 0 9 0 0 0 0 0 0 0 0 right 0 4 0 0 0 0 30 0 0 0 0 dice 6 6 2 6 1 6
advise level 1 mode 1 side right roll 2 left 1 2 3 4 5 6 0 0 0 0 0 right 0 4 0 0 0 0 30 0 0 0 0 dice 3 3 3 3 3 3
advise level 1 mode 0 side left roll 2 left 2 4 6 8 10 12 30 24 21 24 0 right 3 6 9 12 15 18 0 0 0 0 0 dice 1 2 3 4 5 6
advise level 2 mode 1 side right roll 3 left 0 0 0 0 0 0 0 0 0 0 0 right 1 2 3 4 5 6 0 30 21 24 30 dice 5 5 5 1 1 1
advise level 0 mode 0 side left roll 1 left 1 2 3 4 5 6 0 0 0 0 30 right 0 0 0 0 0 0 0 0 0 0 0 dice 6 5 4 3 2 2
${generated}")

execute_process(COMMAND "${TOOL}" "${queries}"
  OUTPUT_VARIABLE answers ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "kvint-coach gave status ${status}:\n${err}")
endif()

file(STRINGS "${queries}" query_lines)
string(REGEX REPLACE "\n$" "" answers "${answers}")
string(REPLACE "\n" ";" answer_lines "${answers}")
list(LENGTH query_lines want)
list(LENGTH answer_lines got)
if(NOT want EQUAL got)
  message(FATAL_ERROR "${want} queries, ${got} answers")
endif()

set(faults 0)
math(EXPR last "${want} - 1")
foreach(i RANGE ${last})
  list(GET query_lines ${i} query)
  list(GET answer_lines ${i} answer)
  string(REPLACE " " ";" words "${query}")
  list(GET words 8 roll)
  list(GET words 6 side)
  if(side STREQUAL "left")
    set(column_at 9) # word 9 is `left`, its value K is word 9 + K
  else()
    set(column_at 21)
  endif()
  set(why "")
  if(NOT answer MATCHES "^(reroll(( [1-6])+)|write ([1-9]|1[01])|pass) win (0\\.[0-9][0-9][0-9][0-9]|1\\.0000)$")
    set(why "not an answer line")
  elseif(CMAKE_MATCH_2)
    string(REPLACE " " "" marked "${CMAKE_MATCH_2}")
    if(roll EQUAL 3)
      set(why "a re-roll after the third roll")
    endif()
    string(LENGTH "${marked}" n)
    foreach(j RANGE 1 6)
      if(j LESS n)
        math(EXPR before "${j} - 1")
        string(SUBSTRING "${marked}" ${before} 1 a)
        string(SUBSTRING "${marked}" ${j} 1 b)
        if(NOT a LESS b)
          set(why "dice not ascending, or named twice")
        endif()
      endif()
    endforeach()
  elseif(CMAKE_MATCH_4)
    math(EXPR at "${column_at} + ${CMAKE_MATCH_4}")
    list(GET words ${at} written)
    if(NOT written EQUAL 0)
      set(why "category ${CMAKE_MATCH_4} of the ${side} column holds ${written} already")
    endif()
  endif()
  if(why)
    message(SEND_ERROR "${query}\n  -> ${answer}: ${why}")
    math(EXPR faults "${faults} + 1")
  endif()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} of ${want} answers are wrong")
endif()

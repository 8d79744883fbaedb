# Each case: the program, its argument, the exit status, and a pattern its
# output (standard output and error together) must match.
function(expect program argument status pattern)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${program} ${argument}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE got TIMEOUT 20)
  if(NOT got STREQUAL status OR NOT "${out}${err}" MATCHES "${pattern}")
    message(SEND_ERROR "${program} ${argument}: status ${got}, expected ${status}:\n${out}${err}")
  endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
expect(${GAME} --help 0 "--version.*--check-install.*--lang")
expect(${GAME} -h 0 "--check-install")
expect(${GAME} --version 0 "^kvint ${version}\n$")
expect(${GAME} --no-such-option 2 "Unknown option 'no-such-option'.*--help")
expect(${GAME} stray 2 "unexpected argument 'stray'")
expect(${GAME} --lang=de 2 "unknown language 'de'")
expect(${SCRIPT_TOOL} --help 0 "^Usage: kvint-script \\[--assets DIR\\] \\[SCRIPT\\]\n")

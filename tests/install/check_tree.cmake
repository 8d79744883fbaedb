# Installs into a fresh prefix, checks every file is there and that the
# program leaves the audio libraries to its sound module, and asks the
# installed game where it finds its files and its sound module; then moves
# the whole prefix and asks again, so a lookup that remembers the build or the
# prefix fails.
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/prefix
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

kvint_installed_files(expected ${APP_ID} "${ICON_SIZES}")
foreach(f ${expected})
  if(NOT EXISTS ${WORK}/prefix/${f})
    message(SEND_ERROR "not installed: ${f}")
  endif()
endforeach()

function(expect_files_found prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                          ${prefix}/bin/kvint --check-install
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT out MATCHES "Game files: ${prefix}/share/kvint\n"
     OR NOT out MATCHES "Sound module: ${prefix}/lib/kvint/libkvint-sound.so\n")
    message(SEND_ERROR "${prefix}/bin/kvint --check-install gave ${status}:\n${out}${err}")
  endif()
endfunction()

expect_files_found(${WORK}/prefix)
# The audio libraries load after the window is up, with the sound module:
# the program itself must not pull them in.
execute_process(COMMAND ldd ${WORK}/prefix/bin/kvint OUTPUT_VARIABLE libraries)
if(libraries MATCHES "Multimedia" OR NOT libraries MATCHES "Qt6Widgets")
  message(SEND_ERROR "bin/kvint links the audio libraries:\n${libraries}")
endif()
file(RENAME ${WORK}/prefix ${WORK}/moved)
expect_files_found(${WORK}/moved)
# The installed coach stands alone too: it answers a query.
file(WRITE ${WORK}/query.kvc "advise level 2 mode 0 side left roll 1 left 0 0 9 0 0 0 0 0 0 0 0 right 0 4 0 0 0 0 30 0 0 0 0 dice 6 6 2 6 1 6\n")
execute_process(COMMAND ${WORK}/moved/bin/kvint-coach ${WORK}/query.kvc
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "^(reroll|write|pass)[^\n]* win [01]\\.[0-9]+\n$")
  message(SEND_ERROR "the installed kvint-coach gave ${status}:\n${out}${err}")
endif()
file(REMOVE_RECURSE ${WORK})

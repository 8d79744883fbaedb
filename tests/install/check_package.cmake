# Builds the Debian package and checks its file list and control data.
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
file(GLOB debs ${WORK}/*.deb)
list(LENGTH debs count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack failed (${status}, ${count} packages):\n${out}${err}")
endif()

execute_process(COMMAND dpkg-deb -c ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed")
endif()
kvint_installed_files(expected ${APP_ID} "${ICON_SIZES}")
foreach(f ${expected})
  string(REGEX REPLACE "([.+])" "\\\\\\1" pattern "./usr/${f}")
  if(NOT listing MATCHES " ${pattern}\n")
    message(SEND_ERROR "not in the package: /usr/${f}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -I ${debs} OUTPUT_VARIABLE control RESULT_VARIABLE status)
foreach(field "Package: kvint" "Version: ${VERSION}" "Section: games"
              "Depends: [^\n]*libc6[^\n]*libqt6widgets6" "Depends: [^\n]*libqt6multimedia6")
  if(NOT control MATCHES "\n ${field}")
    message(SEND_ERROR "control data lacks '${field}':\n${control}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})

# The installed application: desktop files that validate, a tree under any
# prefix in which the game finds its files, the Debian package, and the
# command line. Included from tests/CMakeLists.txt when the window is built.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
add_test(NAME desktop.entry COMMAND ${DESKTOP_FILE_VALIDATE} ${KVINT_DESKTOP_FILE})
add_test(NAME desktop.metainfo COMMAND ${APPSTREAMCLI} validate --no-net ${KVINT_METAINFO})

set(KVINT_INSTALL_WORK ${CMAKE_CURRENT_BINARY_DIR}/install-work)
add_test(NAME install.tree
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DWORK=${KVINT_INSTALL_WORK}/tree
          -DAPP_ID=${KVINT_APP_ID} "-DICON_SIZES=${KVINT_ICON_SIZES}"
          -P ${CMAKE_CURRENT_SOURCE_DIR}/install/check_tree.cmake)
add_test(NAME install.package
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DWORK=${KVINT_INSTALL_WORK}/package
          -DAPP_ID=${KVINT_APP_ID} "-DICON_SIZES=${KVINT_ICON_SIZES}" -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/install/check_package.cmake)
set_tests_properties(install.tree install.package PROPERTIES TIMEOUT 120)

add_test(NAME command_line
  COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:kvint> -DSCRIPT_TOOL=$<TARGET_FILE:kvint-script>
          -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/install/check_command_line.cmake)

# cmake --install BUILD --prefix P: the programs in bin, their files in
# share/kvint (found as ../share/kvint from the program), the sound module in
# lib/kvint, and the desktop integration where freedesktop looks for it.
include(GNUInstallDirs)

install(TARGETS kvint kvint-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound module is found as ../lib/kvint from the program: a fixed lib,
# not the multiarch library folder, as the program looks for it there.
install(TARGETS kvint-sound LIBRARY DESTINATION lib/kvint)
install(FILES ${SOUND_PATHS} ${RULES_PATHS}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/kvint)

install(FILES ${KVINT_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KVINT_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(KVINT_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${KVINT_ICON_SVG} DESTINATION ${KVINT_HICOLOR}/scalable/apps)
foreach(size ${KVINT_ICON_SIZES})
  install(FILES ${KVINT_ICON_DIR}/${size}.png
    DESTINATION ${KVINT_HICOLOR}/${size}x${size}/apps RENAME ${KVINT_APP_ID}.png)
endforeach()

install(FILES ${CMAKE_BINARY_DIR}/doc/kvint.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/doc/kvint-script.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(TARGETS kvint-coach RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/doc/kvint-coach.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

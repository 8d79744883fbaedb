# What a desktop needs besides the program: the version and the app id in the
# binary, the icon drawn from one SVG at every hicolor size, and the desktop
# entry, metainfo and man pages stamped with the id, version and release date.
# The app id, the licence and the project's address are written here only;
# the window's own About box shows the last two as the metainfo does.
set(KVINT_APP_ID io.github.kvint.Kvint)
set(KVINT_LICENCE GPL-3.0-or-later)
set(KVINT_HOMEPAGE https://github.com/kvint/kvint)
set(KVINT_RELEASE_DATE 2026-12-07)
target_compile_definitions(kvint_ui_common PUBLIC KVINT_VERSION="${PROJECT_VERSION}"
  KVINT_APP_ID="${KVINT_APP_ID}" KVINT_LICENCE="${KVINT_LICENCE}"
  KVINT_HOMEPAGE="${KVINT_HOMEPAGE}")

find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(make-icons tools/make-icons.cpp)
target_link_libraries(make-icons PRIVATE Qt6::Gui Qt6::Svg)

set(KVINT_ICON_SVG ${CMAKE_SOURCE_DIR}/data/icons/${KVINT_APP_ID}.svg)
set(KVINT_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(KVINT_ICON_SIZES 16 22 24 32 48 64 128 256)
list(TRANSFORM KVINT_ICON_SIZES PREPEND ${KVINT_ICON_DIR}/ OUTPUT_VARIABLE KVINT_ICON_PNGS)
list(TRANSFORM KVINT_ICON_PNGS APPEND .png)
add_custom_command(OUTPUT ${KVINT_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KVINT_ICON_DIR}
  COMMAND make-icons ${KVINT_ICON_SVG} ${KVINT_ICON_DIR} ${KVINT_ICON_SIZES}
  DEPENDS make-icons ${KVINT_ICON_SVG}
  COMMENT "Drawing the icon at every size")
add_custom_target(icons ALL DEPENDS ${KVINT_ICON_PNGS})

# The window icon, for desktops that do not look it up through the desktop entry.
set_source_files_properties(${KVINT_ICON_DIR}/256.png PROPERTIES QT_RESOURCE_ALIAS kvint.png)
qt_add_resources(kvint kvint_icon PREFIX /icons BASE ${KVINT_ICON_DIR}
  FILES ${KVINT_ICON_DIR}/256.png)

set(KVINT_DESKTOP_FILE ${CMAKE_BINARY_DIR}/data/${KVINT_APP_ID}.desktop)
configure_file(data/${KVINT_APP_ID}.desktop.in ${KVINT_DESKTOP_FILE} @ONLY)
set(KVINT_METAINFO ${CMAKE_BINARY_DIR}/data/${KVINT_APP_ID}.metainfo.xml)
configure_file(data/${KVINT_APP_ID}.metainfo.xml.in ${KVINT_METAINFO} @ONLY)
set(KVINT_MAN_PAGES ${CMAKE_BINARY_DIR}/doc/kvint.6 ${CMAKE_BINARY_DIR}/doc/kvint-script.1)
configure_file(doc/kvint.6.in ${CMAKE_BINARY_DIR}/doc/kvint.6 @ONLY)
configure_file(doc/kvint-script.1.in ${CMAKE_BINARY_DIR}/doc/kvint-script.1 @ONLY)
list(APPEND KVINT_MAN_PAGES ${CMAKE_BINARY_DIR}/doc/kvint-coach.1)
configure_file(doc/kvint-coach.1.in ${CMAKE_BINARY_DIR}/doc/kvint-coach.1 @ONLY)

# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
#   cmake --build <build> && cd <build> && cpack -G DEB
#
# Under the prefix the launcher goes to games/, the program to lib/slovodrom/, the
# bundled base to share/slovodrom/Data/, the sounds to share/slovodrom/sounds/ and the tool for question bases to bin/. The launcher (slovodrom.sh) finds the other
# two relative to itself, starts the game in the player's own folder and gives that
# folder a copy of the base on the first run.

include(GNUInstallDirs)

set(SLOVODROM_APP_ID io.github.slovodrom.slovodrom)   # desktop file and AppStream id
set(SLOVODROM_LAUNCHER_DIR games)
set(SLOVODROM_PROGRAM_DIR lib/slovodrom)
set(SLOVODROM_DATA_DIR ${CMAKE_INSTALL_DATADIR}/slovodrom)
set(SLOVODROM_ICON_SIZES 16 24 32 48 64 128 256)
set(SLOVODROM_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

# The launcher, told where the program and the base lie relative to it.
file(RELATIVE_PATH LAUNCHER_TO_PROGRAM /${SLOVODROM_LAUNCHER_DIR} /${SLOVODROM_PROGRAM_DIR}/slovodrom)
file(RELATIVE_PATH LAUNCHER_TO_BASE /${SLOVODROM_LAUNCHER_DIR} /${SLOVODROM_DATA_DIR}/Data/Question.dat)
configure_file(${CMAKE_CURRENT_LIST_DIR}/slovodrom.sh ${SLOVODROM_PACKAGING_DIR}/slovodrom @ONLY)

# The program finds its sounds beside itself (the build folder) or where they are installed.
file(RELATIVE_PATH PROGRAM_TO_SOUNDS /${SLOVODROM_PROGRAM_DIR} /${SLOVODROM_DATA_DIR}/sounds)
target_compile_definitions(slovodrom_app PRIVATE SLOVODROM_INSTALLED_SOUNDS="${PROGRAM_TO_SOUNDS}")

# The icon theme's PNG sizes, drawn from the SVG icon at build time.
add_executable(render_icons ${CMAKE_CURRENT_LIST_DIR}/render_icons.cpp)
target_link_libraries(render_icons PRIVATE Qt6::Gui Qt6::Svg)
set(SLOVODROM_ICON_DIR ${SLOVODROM_PACKAGING_DIR}/icons)
set(SLOVODROM_ICON_PNGS)
foreach(size IN LISTS SLOVODROM_ICON_SIZES)
  list(APPEND SLOVODROM_ICON_PNGS ${SLOVODROM_ICON_DIR}/${size}x${size}/apps/slovodrom.png)
endforeach()
add_custom_command(OUTPUT ${SLOVODROM_ICON_PNGS}
  # A build step under the sanitizers too; Qt's own allocations at exit are not ours.
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:render_icons> ${CMAKE_SOURCE_DIR}/assets/icon.svg ${SLOVODROM_ICON_DIR} slovodrom
          ${SLOVODROM_ICON_SIZES}
  DEPENDS render_icons ${CMAKE_SOURCE_DIR}/assets/icon.svg
  COMMENT "Drawing the icon in the theme's sizes")
add_custom_target(hicolor_icons ALL DEPENDS ${SLOVODROM_ICON_PNGS})

# The manual pages and the changelog, compressed as Debian installs them.
set(SLOVODROM_GZIPPED)
foreach(file slovodrom.6 slovodrom-base.1 changelog)
  add_custom_command(OUTPUT ${SLOVODROM_PACKAGING_DIR}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${file} ${SLOVODROM_PACKAGING_DIR}/${file}
    COMMAND gzip -9nf ${SLOVODROM_PACKAGING_DIR}/${file}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${file}
    COMMENT "Compressing ${file}")
  list(APPEND SLOVODROM_GZIPPED ${SLOVODROM_PACKAGING_DIR}/${file}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${SLOVODROM_GZIPPED})

install(TARGETS slovodrom RUNTIME DESTINATION ${SLOVODROM_PROGRAM_DIR})
install(TARGETS slovodrom-base RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SLOVODROM_BASE} DESTINATION ${SLOVODROM_DATA_DIR}/Data)
install(DIRECTORY ${SLOVODROM_SOUNDS_DIR}/ DESTINATION ${SLOVODROM_DATA_DIR}/sounds FILES_MATCHING PATTERN "*.wav")
install(PROGRAMS ${SLOVODROM_PACKAGING_DIR}/slovodrom DESTINATION ${SLOVODROM_LAUNCHER_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${SLOVODROM_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${SLOVODROM_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME slovodrom.svg)
install(DIRECTORY ${SLOVODROM_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${SLOVODROM_PACKAGING_DIR}/slovodrom.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${SLOVODROM_PACKAGING_DIR}/slovodrom-base.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SLOVODROM_PACKAGING_DIR}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME slovodrom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Словодром developers")
set(CPACK_PACKAGE_CONTACT "Словодром developers <dev@slovodrom.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game with a wheel, in Russian — игра в слова")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The linked libraries bring the X11 platform plugin (libqt6gui6) and the SVG icon
# plugin (libqt6svg6); beyond them, the screens are drawn in the Liberation faces,
# and the computer players think of the nouns of the Russian spelling dictionary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, hunspell-ru")
# ALSA is opened only when the first sound plays; without it the game is silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, libasound2")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Словодром is a word-guessing game for one to three players at one computer,
played in a television studio with a host who talks. Spin a wheel of sixteen
sectors, open the letters of a hidden word on twelve tiles and name the word
before the others do; bargain over the prize, win one of two boxes for three
right letters in a row, and edit the question base. The game speaks Russian.

Словодром — игра в слова для одного–трёх игроков за одним компьютером, в
телестудии с ведущим. Крутите барабан из шестнадцати секторов, открывайте
буквы загаданного слова на двенадцати табличках и назовите слово раньше
соперников; торгуйтесь за приз, выигрывайте одну из двух шкатулок за три
угаданные подряд буквы и правьте базу вопросов.")
include(CPack)

include(CTest)   # this file comes before the top level's own include(CTest)
if(BUILD_TESTING)
  add_test(NAME debian_package COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/package_test.sh
    ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION} ${SLOVODROM_APP_ID} ${SLOVODROM_ICON_SIZES})
  add_test(NAME launcher COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/launcher_test.sh
    ${SLOVODROM_PACKAGING_DIR}/slovodrom ${SLOVODROM_LAUNCHER_DIR} ${SLOVODROM_PROGRAM_DIR} ${SLOVODROM_DATA_DIR})
endif()

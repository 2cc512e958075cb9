# Installing and packaging: `cmake --install build --prefix P` lays the game out as other games
# are (program, sound library with its header and pkg-config file, data, desktop entry, icons,
# metainfo, man page); `cpack -G DEB` in the build folder makes a Debian package of the same.
include(GNUInstallDirs)

# The program finds its data relative to its own folder, so any prefix works.
file(RELATIVE_PATH game_data_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/game)
file(RELATIVE_PATH game_lib_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR})
if(TARGET game_core)
    target_compile_definitions(game_core PRIVATE GAME_VERSION="${PROJECT_VERSION}"
                               GAME_DATA_FROM_PROGRAM="${game_data_from_program}")
endif()

# The installed program finds libzuplay.so in the library folder beside its own; in the build
# folder the two sit side by side.
if(TARGET game)
    set_property(TARGET game PROPERTY INSTALL_RPATH "\$ORIGIN" "\$ORIGIN/${game_lib_from_program}")
    install(TARGETS game RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET zuplay)
    install(TARGETS zuplay LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    # Callers write #include <zuplay/zuplay.h>, as zuplay.pc says.
    install(FILES ${PROJECT_SOURCE_DIR}/zuplay/zuplay.h
            DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zuplay)
endif()
# Written by the sound library's own build when it describes itself to pkg-config.
if(EXISTS ${CMAKE_BINARY_DIR}/zuplay.pc)
    install(FILES ${CMAKE_BINARY_DIR}/zuplay.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/res ${PROJECT_SOURCE_DIR}/lvl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/game)
# The proven solutions, which "game --watch N" shows.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/levels/solutions
        DESTINATION ${CMAKE_INSTALL_DATADIR}/game/levels)
set(game_app_id org.zuplay.Game)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${game_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${game_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/game.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The icons are drawn by the resource generator at build time, in every hicolor size.
if(TARGET resgen AND NOT GAME_FUZZ)
    set(game_icons ${CMAKE_BINARY_DIR}/icons/hicolor)
    add_custom_command(OUTPUT ${game_icons}/256x256/apps/game.png
        COMMAND resgen --icons ${game_icons}
        DEPENDS resgen
        COMMENT "Drawing the desktop icons")
    add_custom_target(game_icons ALL DEPENDS ${game_icons}/256x256/apps/game.png)
    install(DIRECTORY ${game_icons} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# cpack -G DEB: one package, installed under /usr, its dependencies read from the shared
# libraries the program and libzuplay.so link.
set(CPACK_PACKAGE_NAME game)
set(CPACK_PACKAGE_VENDOR "The game's developers")
set(CPACK_PACKAGE_CONTACT "The game's developers <game@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "2-D tile game: dig, collect the crystals and find the way out")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)

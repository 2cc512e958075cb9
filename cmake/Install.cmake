# Installing and packaging: `cmake --install build --prefix P` lays the game out as other games
# are (program, sound library with its header and pkg-config file, data, desktop entry, icons,
# metainfo, man page); `cpack -G DEB` in the build folder makes a Debian package of the same.
include(GNUInstallDirs)

# The program finds its data relative to its own folder, so any prefix works.
file(RELATIVE_PATH game_data_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/game)
file(RELATIVE_PATH game_lib_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR})
set_source_files_properties(
    ${PROJECT_SOURCE_DIR}/app/command_line.cpp ${PROJECT_SOURCE_DIR}/app/data_folder.cpp
    PROPERTIES COMPILE_DEFINITIONS
    "GAME_VERSION=\"${PROJECT_VERSION}\";GAME_DATA_FROM_PROGRAM=\"${game_data_from_program}\"")

# cmake --install: the program and its music in libexec/vellara-chess (the music is read
# from the executable's folder), vellara.dat and vellara.def in share/vellara-chess (read
# from the working folder), and bin/vellara-chess, a script that starts the program from
# that data folder.
include(GNUInstallDirs)
set(program_dir ${CMAKE_INSTALL_LIBEXECDIR}/vellara-chess)
set(data_dir ${CMAKE_INSTALL_DATADIR}/vellara-chess)
install(TARGETS vellara-chess RUNTIME DESTINATION ${program_dir})
install(FILES ${CMAKE_BINARY_DIR}/bin/title_theme.mp3 ${CMAKE_BINARY_DIR}/bin/main_theme.mp3
        DESTINATION ${program_dir} OPTIONAL)
install(FILES ${CMAKE_BINARY_DIR}/bin/vellara.dat ${CMAKE_BINARY_DIR}/bin/vellara.def
        DESTINATION ${data_dir})
file(RELATIVE_PATH VELLARA_BIN_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${program_dir})
file(RELATIVE_PATH VELLARA_BIN_TO_DATA /${CMAKE_INSTALL_BINDIR} /${data_dir})
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/vellara-chess.sh.in
               ${CMAKE_CURRENT_BINARY_DIR}/vellara-chess.sh @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/vellara-chess.sh DESTINATION ${CMAKE_INSTALL_BINDIR}
        RENAME vellara-chess)

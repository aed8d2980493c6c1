# Installation in the Filesystem Hierarchy's places:
#
#   <prefix>/bin/quendra                  symbolic link to ../lib/quendra/quendra
#   <prefix>/lib/quendra/                 the programs and the media module, which
#                                         find one another in their own folder:
#                                         quendra, vistrel.exe, quedrix.bin,
#                                         libquendra_qtmedia.so
#   <prefix>/share/quendra/               the documents and the sample tests
#                                         (QUEDRIX.HLP, QUEDRIX.RTF, samples/PLANETS/),
#                                         found from the program's folder as
#                                         ../../share/quendra (model/companions.h)
#   <prefix>/share/applications/          the tool's and the player's desktop entries
#   <prefix>/share/mime/packages/         the file types .QXJ, .QXC, .QXD
#   <prefix>/share/icons/hicolor/         the icons, scalable and rendered
#   <prefix>/share/metainfo/              the software-centre description
#
# The two folder names are fixed (not CMAKE_INSTALL_LIBDIR / DATADIR): the
# programs find their data through the relative path between them.

set(QUENDRA_INSTALL_PROGRAM_DIR lib/quendra)
set(QUENDRA_INSTALL_DATA_DIR share/quendra)
set(QUENDRA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUENDRA_APP_ID org.quendra.Quendra)

install(TARGETS quendra vistrel quedrix
        RUNTIME DESTINATION ${QUENDRA_INSTALL_PROGRAM_DIR})
install(TARGETS quendra_qtmedia
        LIBRARY DESTINATION ${QUENDRA_INSTALL_PROGRAM_DIR})

# <prefix>/bin/quendra: the program resolves the link to its real folder
# (QCoreApplication::applicationDirPath reads /proc/self/exe).
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(REMOVE \"\${bin}/quendra\")
  file(CREATE_LINK ../${QUENDRA_INSTALL_PROGRAM_DIR}/quendra \"\${bin}/quendra\" SYMBOLIC)
  message(STATUS \"Installing: \${bin}/quendra -> ../${QUENDRA_INSTALL_PROGRAM_DIR}/quendra\")
")

# The documents, built into the program folder of the build tree.
install(FILES ${QUENDRA_BIN_DIR}/QUEDRIX.HLP DESTINATION ${QUENDRA_INSTALL_DATA_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/QUEDRIX.RTF)
  install(FILES ${QUENDRA_BIN_DIR}/QUEDRIX.RTF DESTINATION ${QUENDRA_INSTALL_DATA_DIR})
endif()
# The sample tests: each folder of samples/ (the generator's sources beside
# them stay behind). Modes are kept: a sample's program stays executable.
file(GLOB sample_entries ${PROJECT_SOURCE_DIR}/samples/*)
foreach(entry IN LISTS sample_entries)
  if(IS_DIRECTORY ${entry})
    install(DIRECTORY ${entry} DESTINATION ${QUENDRA_INSTALL_DATA_DIR}/samples USE_SOURCE_PERMISSIONS)
  endif()
endforeach()

# Desktop integration.
install(FILES ${QUENDRA_PACKAGING_DIR}/${QUENDRA_APP_ID}.desktop DESTINATION share/applications)
# The player has no link in bin/: its entry names it by its full path, which
# is known only when installing (a prefix may be given to cmake --install).
install(CODE "
  file(READ \"${QUENDRA_PACKAGING_DIR}/${QUENDRA_APP_ID}.Player.desktop.in\" entry)
  string(REPLACE \"@PROGRAM_DIR@\" \"\${CMAKE_INSTALL_PREFIX}/${QUENDRA_INSTALL_PROGRAM_DIR}\" entry \"\${entry}\")
  set(out \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/${QUENDRA_APP_ID}.Player.desktop\")
  message(STATUS \"Installing: \${out}\")
  file(WRITE \"\${out}\" \"\${entry}\")
")
install(FILES ${QUENDRA_PACKAGING_DIR}/${QUENDRA_APP_ID}.xml DESTINATION share/mime/packages)
install(FILES ${QUENDRA_PACKAGING_DIR}/${QUENDRA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${QUENDRA_PACKAGING_DIR}/icons/hicolor DESTINATION share/icons)

# Installs the build into a scratch prefix and checks the result: the file
# list, that the installed tool finds its companion files through the link
# in bin/, and that the desktop entries, the metainfo and the file types pass
# their validators (each skipped, with a note, when its tool is missing).
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -P checkinstall.cmake

function(fail)
  message(FATAL_ERROR "install check: ${ARGN}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed: ${err}")
endif()

# ---- the file list ----
set(expected
    bin/quendra
    lib/quendra/libquendra_qtmedia.so lib/quendra/quedrix.bin lib/quendra/quendra
    lib/quendra/vistrel.exe
    share/applications/org.quendra.Quendra.Player.desktop
    share/applications/org.quendra.Quendra.desktop
    share/metainfo/org.quendra.Quendra.metainfo.xml
    share/mime/packages/org.quendra.Quendra.xml
    share/quendra/QUEDRIX.HLP)
if(EXISTS ${SOURCE_DIR}/docs/QUEDRIX.RTF)
  list(APPEND expected share/quendra/QUEDRIX.RTF)
endif()
set(icons org.quendra.Quendra:apps application-x-quendra-project:mimetypes
          application-x-quendra-compiled-test:mimetypes application-x-quendra-results:mimetypes)
foreach(icon IN LISTS icons)
  string(REPLACE ":" ";" parts ${icon})
  list(GET parts 0 name)
  list(GET parts 1 kind)
  list(APPEND expected share/icons/hicolor/scalable/${kind}/${name}.svg)
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/${kind}/${name}.png)
  endforeach()
endforeach()
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(FILTER found EXCLUDE REGEX "^share/quendra/samples/")
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${found})
  fail("unexpected files: [${extra}]; missing files: [${missing}]")
endif()
if(NOT IS_SYMLINK ${PREFIX}/bin/quendra)
  fail("bin/quendra is not a link")
endif()
if(EXISTS ${SOURCE_DIR}/samples)
  file(GLOB_RECURSE source_samples LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/samples/*)
  list(FILTER source_samples INCLUDE REGEX "^samples/[^/]+/")   # the test folders only
  file(GLOB_RECURSE installed_samples LIST_DIRECTORIES false RELATIVE ${PREFIX}/share/quendra
       ${PREFIX}/share/quendra/samples/*)
  list(SORT source_samples)
  list(SORT installed_samples)
  if(NOT source_samples STREQUAL installed_samples)
    fail("the samples were not installed whole: [${installed_samples}]")
  endif()
  foreach(f IN LISTS source_samples)
    if(IS_SYMLINK ${SOURCE_DIR}/${f})
      continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/${f} ${PREFIX}/share/quendra/${f}
                    RESULT_VARIABLE differs)
    if(differs)
      fail("${f} was not installed as it is")
    endif()
  endforeach()
endif()

# ---- the installed tool finds its companions, started through the link ----
execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                        ${PREFIX}/bin/quendra --paths
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("quendra --paths says a companion is missing (${rc}):\n${out}${err}")
endif()
foreach(line "program folder: ${PREFIX}/lib/quendra/"
             "player: ${PREFIX}/lib/quendra/vistrel.exe"
             "help file: ${PREFIX}/share/quendra/QUEDRIX.HLP")
  string(FIND "${out}" "${line}\n" at)
  if(at EQUAL -1)
    fail("quendra --paths does not say \"${line}\":\n${out}")
  endif()
endforeach()

# ---- validators ----
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(DESKTOP_FILE_VALIDATE)
  foreach(entry org.quendra.Quendra org.quendra.Quendra.Player)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${entry}.desktop
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
      fail("desktop-file-validate ${entry}.desktop:\n${out}${err}")
    endif()
  endforeach()
else()
  message(STATUS "desktop-file-validate not found: desktop entries not validated")
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color
                          ${PREFIX}/share/metainfo/org.quendra.Quendra.metainfo.xml
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate:\n${out}${err}")
  endif()
else()
  message(STATUS "appstreamcli not found: metainfo not validated")
endif()
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/share
                          ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT "${err}" STREQUAL "")
    fail("update-mime-database:\n${out}${err}")
  endif()
  file(READ ${PREFIX}/share/mime/globs2 globs)
  foreach(glob application/x-quendra-project:*.qxj application/x-quendra-compiled-test:*.qxc
               application/x-quendra-results:*.qxd)
    string(FIND "${globs}" ":${glob}\n" at)
    if(at EQUAL -1)
      fail("the file types do not give ${glob}:\n${globs}")
    endif()
  endforeach()
else()
  message(STATUS "update-mime-database not found: file types not checked")
endif()
message(STATUS "install check: ${PREFIX} holds what it should")

# quendra_library(<name> [PUBLIC libs...] [PRIVATE libs...])
# One static library per folder of src/, made of every .cpp/.h/.qrc in that
# folder. A folder that holds no source yet gives an interface library, so
# that the dependency graph can be written once and filled in later.
function(quendra_library name)
  cmake_parse_arguments(A "" "" "PUBLIC;PRIVATE" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  file(GLOB cpps CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(cpps)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${A_PUBLIC} PRIVATE quendra_options ${A_PRIVATE})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${A_PUBLIC} ${A_PRIVATE})
  endif()
endfunction()

# quendra_test(<name> FOLDER <dir> LIBS <libs...> [QT_APP])
# One test executable per folder of tests/. QT_APP gives it the harness main
# with a QApplication; without it the test runs on gtest_main.
function(quendra_test name)
  cmake_parse_arguments(A "QT_APP" "FOLDER" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${A_FOLDER}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${A_FOLDER}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/${A_FOLDER}/*.qrc)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE quendra_options ${A_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
      QUENDRA_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
      QUENDRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      QUENDRA_BIN_DIR="${QUENDRA_BIN_DIR}")
  if(A_QT_APP)
    target_link_libraries(${name} PRIVATE quendra_testharness)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
      TIMEOUT 600)
endfunction()

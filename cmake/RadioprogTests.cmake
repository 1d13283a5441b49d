# radioprog_add_test(NAME name SOURCES ... [LIBS ...] [LABELS ...])
# One executable per call; every GoogleTest case becomes its own CTest test.
# Tests run in the C locale, from the binary folder, with Qt's offscreen platform.
include(GoogleTest)

function(radioprog_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE radiocore GTest::gtest GTest::gtest_main ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    RADIOPROG_BIN_DIR="${RADIOPROG_BIN_DIR}"
    RADIOPROG_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${RADIOPROG_BIN_DIR}
    PROPERTIES
      ENVIRONMENT "LC_ALL=C;LANG=C;QT_QPA_PLATFORM=offscreen"
      LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()

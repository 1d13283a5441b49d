# radioprog_add_test(NAME name SOURCES ... [LIBS ...] [LABELS ...])
# One executable per call; every GoogleTest case becomes its own CTest test.
# Tests run from the binary folder. Their main() (tests/TestMain.cpp, unless the
# executable brings its own) fixes the C locale and Qt's offscreen platform.
include(GoogleTest)

add_library(radioprog_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/TestMain.cpp)
target_link_libraries(radioprog_test_main PUBLIC GTest::gtest)

function(radioprog_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE radiocore radioprog_test_main GTest::gtest ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    RADIOPROG_BIN_DIR="${RADIOPROG_BIN_DIR}"
    RADIOPROG_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${RADIOPROG_BIN_DIR}
    PROPERTIES LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()

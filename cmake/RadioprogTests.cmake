# SPDX-License-Identifier: GPL-3.0-or-later
# radioprog_add_test(NAME name SOURCES ... [LIBS ...] [LABELS ...] [APP QApplication|QCoreApplication]
#                    [LOCK resource])
# One executable per call; every GoogleTest case becomes its own CTest test.
# Tests run from the binary folder. Their main() (tests/TestMain.cpp) fixes the C
# locale, Qt's offscreen platform and a private home folder; with APP it also
# makes the one Qt application object of the executable. Tests given the same LOCK
# never run at the same time (transfers paced in real time, which a crowded
# machine would push past the protocol's timeouts).
include(GoogleTest)

add_library(radioprog_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/TestMain.cpp)
target_link_libraries(radioprog_test_main PUBLIC GTest::gtest)

function(radioprog_add_test)
  cmake_parse_arguments(T "" "NAME;APP;LOCK" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_APP)
    set(main radioprog_test_main_${T_APP})
    if(NOT TARGET ${main})
      add_library(${main} STATIC ${CMAKE_SOURCE_DIR}/tests/TestMain.cpp)
      target_compile_definitions(${main} PRIVATE RADIOPROG_TEST_APP=${T_APP})
      if(T_APP STREQUAL "QApplication")
        target_link_libraries(${main} PUBLIC GTest::gtest Qt6::Widgets)
      else()
        target_link_libraries(${main} PUBLIC GTest::gtest Qt6::Core)
      endif()
    endif()
  else()
    set(main radioprog_test_main)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE radiocore ${main} GTest::gtest ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    RADIOPROG_BIN_DIR="${RADIOPROG_BIN_DIR}"
    RADIOPROG_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  # Only properties with a value: an empty one would shift the name/value pairs.
  set(properties)
  if(T_LABELS)
    list(APPEND properties LABELS "${T_LABELS}")
  endif()
  if(T_LOCK)
    list(APPEND properties RESOURCE_LOCK ${T_LOCK})
  endif()
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${RADIOPROG_BIN_DIR}
    PROPERTIES ${properties}
    DISCOVERY_TIMEOUT 60)
endfunction()

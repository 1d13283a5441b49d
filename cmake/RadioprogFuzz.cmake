# SPDX-License-Identifier: GPL-3.0-or-later
# radioprog_add_fuzzer(NAME name SOURCES ...)
# One libFuzzer target per call, on radiocore alone. Its seed corpus is the folder
# tests/fuzz/corpus/<name>/ and its dictionary, when there is one,
# tests/fuzz/<name>.dict; tests/fuzz/fuzz.sh finds both by the name.
#
# In the fuzz configuration (-DRADIOPROG_FUZZ=ON, clang) the call builds
# bin/fuzz_<name>. In the normal configuration it registers the CTest smoke run
# fuzz_<name>: a few seconds of fuzzing over the corpus, on the fuzz build that
# the fixture test fuzz_build keeps up to date in <build>/fuzz. Without clang and
# its fuzzer runtime the normal configuration registers nothing.

set(RADIOPROG_FUZZ_SCRIPT ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz.sh)
set(RADIOPROG_FUZZ_SMOKE_SECONDS 4 CACHE STRING "Seconds of each fuzz target's smoke run in the tests")

if(NOT RADIOPROG_FUZZ AND NOT DEFINED RADIOPROG_FUZZ_CLANGXX)
  find_program(_clangxx NAMES clang++ clang++-14)
  set(RADIOPROG_FUZZ_CLANGXX "")
  if(_clangxx)
    execute_process(COMMAND ${_clangxx} -print-file-name=libclang_rt.fuzzer-x86_64.a
      OUTPUT_VARIABLE _fuzzer_rt OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(IS_ABSOLUTE "${_fuzzer_rt}" AND EXISTS "${_fuzzer_rt}")
      set(RADIOPROG_FUZZ_CLANGXX ${_clangxx})
    endif()
  endif()
  set(RADIOPROG_FUZZ_CLANGXX "${RADIOPROG_FUZZ_CLANGXX}" CACHE FILEPATH "clang++ of the fuzz smoke runs; empty: none")
  unset(_clangxx CACHE)
endif()

if(NOT RADIOPROG_FUZZ)
  if(RADIOPROG_FUZZ_CLANGXX)
    add_test(NAME fuzz_build COMMAND env CXX=${RADIOPROG_FUZZ_CLANGXX}
      ${RADIOPROG_FUZZ_SCRIPT} build ${CMAKE_BINARY_DIR}/fuzz)
    set_tests_properties(fuzz_build PROPERTIES FIXTURES_SETUP radioprog_fuzz_build LABELS fuzz TIMEOUT 1800)
  else()
    message(STATUS "No clang++ with its fuzzer runtime: the fuzz smoke runs are left out")
  endif()
endif()

function(radioprog_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES" ${ARGN})
  if(RADIOPROG_FUZZ)
    add_executable(fuzz_${F_NAME} ${F_SOURCES})
    target_link_libraries(fuzz_${F_NAME} PRIVATE radiocore)
    target_link_options(fuzz_${F_NAME} PRIVATE -fsanitize=fuzzer)
  elseif(RADIOPROG_FUZZ_CLANGXX)
    add_test(NAME fuzz_${F_NAME} COMMAND ${RADIOPROG_FUZZ_SCRIPT} run ${CMAKE_BINARY_DIR}/fuzz ${F_NAME}
      ${RADIOPROG_FUZZ_SMOKE_SECONDS})
    set_tests_properties(fuzz_${F_NAME} PROPERTIES FIXTURES_REQUIRED radioprog_fuzz_build LABELS fuzz TIMEOUT 300)
  endif()
endfunction()

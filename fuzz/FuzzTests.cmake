# Each fuzz target runs for a short while among the tests. Clang builds them once, into a
# folder of this build, before the first; all of them are skipped where clang with libFuzzer
# is missing. scripts/fuzz.sh runs them longer.
set(brevane_fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
add_test(NAME fuzz_build
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/fuzz.sh --build-only --dir ${brevane_fuzz_dir})
set_tests_properties(fuzz_build PROPERTIES FIXTURES_SETUP fuzz SKIP_RETURN_CODE 77 TIMEOUT 1800)
foreach(target drive scenario pagetree address decodeaddress)
  add_test(NAME fuzz_${target}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/fuzz.sh --run-only --seconds 20 --dir ${brevane_fuzz_dir} ${target})
  set_tests_properties(fuzz_${target} PROPERTIES FIXTURES_REQUIRED fuzz SKIP_RETURN_CODE 77 TIMEOUT 300)
endforeach()

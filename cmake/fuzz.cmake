# libFuzzer targets (clang only). The core is instrumented for coverage;
# each target links the fuzzer's main and runs under ASan and UBSan.
target_compile_options(morvik_core PRIVATE -fsanitize=fuzzer-no-link)

set(MORVIK_FUZZ_SECONDS 60 CACHE STRING "How long each fuzz test runs")

foreach(name text_loader binary_loader)
  add_executable(${name}_fuzz fuzz/${name}_fuzz.cpp)
  target_include_directories(${name}_fuzz PRIVATE fuzz)
  target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name}_fuzz PRIVATE morvik_core morvik_fake)
  # The fuzzer adds what it finds to the corpus it runs on: it runs on a
  # copy, so the committed seeds stay as they are.
  add_test(NAME fuzz_${name}
    COMMAND ${CMAKE_COMMAND}
      -DFUZZER=$<TARGET_FILE:${name}_fuzz>
      -DSEEDS=${CMAKE_SOURCE_DIR}/fuzz/corpus/${name}
      -DWORK=${CMAKE_BINARY_DIR}/fuzz-work/${name}
      -DSECONDS=${MORVIK_FUZZ_SECONDS}
      -P ${CMAKE_SOURCE_DIR}/cmake/run_fuzz.cmake)
  math(EXPR timeout "${MORVIK_FUZZ_SECONDS} + 120")
  set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz TIMEOUT ${timeout})
endforeach()

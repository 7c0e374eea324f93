# Runs one fuzzer for SECONDS on a fresh copy of its seed corpus.
# cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DSECONDS=... -P run_fuzz.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1
          -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()

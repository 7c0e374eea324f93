# End-to-end tests: the real Morvik.exe under Wine on an Xvfb desktop,
# driven by the probe and xdotool. They share one desktop and prefix per
# run, set up and torn down by fixtures, and run one at a time.
add_executable(probe tests/e2e/probe/probe.cpp)
target_link_options(probe PRIVATE -static -static-libgcc -static-libstdc++ -mconsole)
# The same program without a console, as the window that playback types
# into: "probe_target target TITLE LOG".
add_executable(probe_target tests/e2e/probe/probe.cpp)
target_link_options(probe_target PRIVATE -static -static-libgcc -static-libstdc++ -mwindows)
add_library(probe_hook SHARED tests/e2e/probe/probe_hook.cpp)
set_target_properties(probe_hook PROPERTIES PREFIX "")
target_link_options(probe_hook PRIVATE -static -static-libgcc -static-libstdc++)
add_dependencies(probe probe_hook probe_target)

set(MORVIK_E2E_DIR ${CMAKE_BINARY_DIR}/e2e)
add_test(NAME e2e_desktop_start COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/session.sh start ${MORVIK_E2E_DIR})
add_test(NAME e2e_desktop_stop COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/session.sh stop ${MORVIK_E2E_DIR})
set_tests_properties(e2e_desktop_start PROPERTIES FIXTURES_SETUP e2e_desktop LABELS e2e TIMEOUT 180)
set_tests_properties(e2e_desktop_stop PROPERTIES FIXTURES_CLEANUP e2e_desktop LABELS e2e)

function(morvik_e2e_test name)
  add_test(NAME e2e_${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh)
  set_tests_properties(e2e_${name} PROPERTIES
    FIXTURES_REQUIRED e2e_desktop
    RESOURCE_LOCK e2e_desktop
    LABELS e2e
    TIMEOUT 120
    ENVIRONMENT "E2E_DIR=${MORVIK_E2E_DIR};MORVIK_EXE=$<TARGET_FILE:Morvik>;PROBE_EXE=$<TARGET_FILE:probe>;SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()

morvik_e2e_test(normal_start)
morvik_e2e_test(second_instance)
morvik_e2e_test(settings_saved)
morvik_e2e_test(registry_defaults)
morvik_e2e_test(playback_script)
morvik_e2e_test(playback_passes)
morvik_e2e_test(playback_self_playing)
morvik_e2e_test(playback_cancel)
morvik_e2e_test(load_errors)
morvik_e2e_test(backup_restore)
morvik_e2e_test(record_save_play)
morvik_e2e_test(record_minimized)
morvik_e2e_test(recent_files)

# Linux: the portable core with the fake platform, unit tests under the
# sanitizers.
option(MORVIK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(MORVIK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(morvik_core STATIC ${MORVIK_CORE_SOURCES})
target_include_directories(morvik_core PUBLIC src resources)

add_library(morvik_fake STATIC tests/fake/fake_platform.cpp tests/fake/fake_image_length.cpp tests/fake/fake_main_window.cpp tests/fake/fake_input.cpp tests/fake/fake_programs.cpp tests/fake/fake_journal_driver.cpp
  tests/fake/fake_combo_box.cpp tests/fake/fake_menu_items.cpp tests/fake/fake_registry_enum.cpp
  tests/fake/fake_files.cpp)
target_include_directories(morvik_fake PUBLIC src tests/fake)

find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(morvik_unit_tests
  tests/unit/backup_test.cpp
  tests/unit/binary_format_test.cpp
  tests/unit/command_line_test.cpp
  tests/unit/create_executable_test.cpp
  tests/unit/file_commands_test.cpp
  tests/unit/file_helpers_test.cpp
  tests/unit/key_names_test.cpp
  tests/unit/load_failure_test.cpp
  tests/unit/log_test.cpp
  tests/unit/mapping_list_test.cpp
  tests/unit/nocase_test.cpp
  tests/unit/recent_files_test.cpp
  tests/unit/recorder_test.cpp
  tests/unit/recording_test.cpp
  tests/unit/reg_export_test.cpp
  tests/unit/save_as_test.cpp
  tests/unit/registry_test.cpp
  tests/unit/scheduler_test.cpp
  tests/unit/script_commands_test.cpp
  tests/unit/settings_test.cpp
  tests/unit/text_loader_test.cpp
  tests/unit/text_writer_test.cpp
  tests/unit/tools_commands_test.cpp
  tests/unit/type_expansion_test.cpp
)
target_link_libraries(morvik_unit_tests PRIVATE morvik_core morvik_fake GTest::gtest GTest::gtest_main)
gtest_discover_tests(morvik_unit_tests PROPERTIES LABELS unit)

# Fuzz targets (preset "fuzz", clang) and benchmarks (preset "bench").
option(MORVIK_FUZZ "Build the libFuzzer targets and their tests (clang)" OFF)
if(MORVIK_FUZZ)
  include(cmake/fuzz.cmake)
endif()
option(MORVIK_BENCH "Build the benchmarks" OFF)
if(MORVIK_BENCH)
  include(cmake/bench.cmake)
endif()

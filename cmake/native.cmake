# Linux: the portable core with the fake platform, unit tests under the
# sanitizers.
option(MORVIK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(MORVIK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(morvik_core STATIC ${MORVIK_CORE_SOURCES})
target_include_directories(morvik_core PUBLIC src)

add_library(morvik_fake STATIC tests/fake/fake_platform.cpp tests/fake/fake_menu.cpp)
target_include_directories(morvik_fake PUBLIC src tests/fake)

find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(morvik_unit_tests
  tests/unit/command_line_test.cpp
  tests/unit/file_helpers_test.cpp
  tests/unit/log_test.cpp
  tests/unit/nocase_test.cpp
  tests/unit/recording_test.cpp
  tests/unit/registry_test.cpp
  tests/unit/settings_test.cpp
)
target_link_libraries(morvik_unit_tests PRIVATE morvik_core morvik_fake GTest::gtest GTest::gtest_main)
gtest_discover_tests(morvik_unit_tests PROPERTIES LABELS unit)

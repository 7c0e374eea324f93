# Windows (mingw-w64): Morvik.exe, statically linked, and the e2e probe.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")

add_library(morvik_core STATIC ${MORVIK_CORE_SOURCES} src/recording/image_length.cpp)
target_include_directories(morvik_core PUBLIC src resources)

add_library(morvik_platform STATIC
  src/platform/win32/input_thread.cpp
  src/platform/win32/journal_driver.cpp
  src/platform/win32/win_combo_box.cpp
  src/platform/win32/win_file_dialog.cpp
  src/platform/win32/win_files.cpp
  src/platform/win32/win_input.cpp
  src/platform/win32/win_programs.cpp
  src/platform/win32/win_main_window.cpp
  src/platform/win32/win_menu_items.cpp
  src/platform/win32/win_registry.cpp
  src/platform/win32/win_system.cpp
  src/platform/win32/win_windows.cpp
)
target_include_directories(morvik_platform PUBLIC src resources)

add_executable(Morvik WIN32
  src/app/main_loop.cpp
  src/app/main_window.cpp
  src/app/shutdown.cpp
  src/app/startup.cpp
  resources/Morvik.rc
)
set_source_files_properties(resources/Morvik.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/Morvik.manifest;${CMAKE_SOURCE_DIR}/resources/morvik.ico;${CMAKE_SOURCE_DIR}/resources/resource_ids.h")
# The core calls the platform and the platform nothing of the core: list
# the core first so the linker resolves its platform calls.
target_link_libraries(Morvik PRIVATE morvik_core morvik_platform comdlg32 comctl32 advapi32 gdi32 user32)
target_link_options(Morvik PRIVATE -static -static-libgcc -static-libstdc++ -s)

# The image-length stamper runs on the build machine.
find_program(MORVIK_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(MORVIK_IMAGE_LENGTH_TOOL ${CMAKE_BINARY_DIR}/host/image_length)
add_custom_command(
  OUTPUT ${MORVIK_IMAGE_LENGTH_TOOL}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND ${MORVIK_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -o ${MORVIK_IMAGE_LENGTH_TOOL} ${CMAKE_SOURCE_DIR}/tools/image_length.cpp
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/image_length.cpp
  COMMENT "Building the host image-length tool")
add_custom_target(image_length_tool DEPENDS ${MORVIK_IMAGE_LENGTH_TOOL})
add_dependencies(Morvik image_length_tool)
add_custom_command(TARGET Morvik POST_BUILD
  COMMAND ${MORVIK_IMAGE_LENGTH_TOOL} stamp $<TARGET_FILE:Morvik>
  COMMENT "Writing Morvik.exe's length into its ImageLength")

add_test(NAME image_length COMMAND ${MORVIK_IMAGE_LENGTH_TOOL} check $<TARGET_FILE:Morvik>)
set_tests_properties(image_length PROPERTIES LABELS unit)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  include(tests/e2e/e2e.cmake)
endif()

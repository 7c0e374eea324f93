# Benchmarks of the portable hot paths (Google Benchmark). They report
# times; nothing fails on a time.
find_package(benchmark REQUIRED)

add_executable(load_bench bench/load_bench.cpp)
target_include_directories(load_bench PRIVATE tests/unit)
target_link_libraries(load_bench PRIVATE morvik_core morvik_fake benchmark::benchmark)

add_executable(playback_bench bench/playback_bench.cpp)
target_include_directories(playback_bench PRIVATE tests/fake)
target_link_libraries(playback_bench PRIVATE morvik_core morvik_fake benchmark::benchmark)

qm_add_bench(bench_scan SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_scan.cpp)
target_include_directories(bench_scan PRIVATE "${PROJECT_SOURCE_DIR}/tests/support")

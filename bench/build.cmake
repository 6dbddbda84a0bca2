qm_add_bench(bench_build SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_build.cpp)

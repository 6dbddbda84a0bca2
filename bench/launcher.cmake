# Processor use while ShellAndWait waits, and the delay until the script runs.
qm_add_bench(bench_launcher SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_launcher.cpp)

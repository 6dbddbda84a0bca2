# One keystroke in a long text in the real main window; it types with Qt Test,
# which is only found when the tests are built.
if(TARGET Qt6::Test)
    qm_add_bench(bench_keystroke WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_keystroke.cpp)
    target_include_directories(bench_keystroke PRIVATE "${PROJECT_SOURCE_DIR}/tests/support")
    target_link_libraries(bench_keystroke PRIVATE Qt6::Test)
endif()

# The scan's own source is compiled in again so that libFuzzer sees its branches.
qm_add_fuzzer(fuzz_scan ${CMAKE_CURRENT_LIST_DIR}/fuzz_scan.cpp
    ${PROJECT_SOURCE_DIR}/src/workspace/class_scan.cpp)
target_include_directories(fuzz_scan PRIVATE "${PROJECT_SOURCE_DIR}/tests/support")

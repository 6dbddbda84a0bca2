qm_add_test(test_build_script SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_build_script.cpp)
qm_add_test(test_build_script_run SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_script_run.cpp)

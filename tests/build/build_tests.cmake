qm_add_test(test_build_script SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_build_script.cpp)
qm_add_test(test_build_script_run SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_script_run.cpp)
qm_add_test(test_build_comp SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_comp.cpp)
qm_add_test(test_build_run_e2e XVFB TIMEOUT 400 SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_build_run_e2e.cpp
    ${CMAKE_CURRENT_LIST_DIR}/console_driver.cpp ${CMAKE_CURRENT_LIST_DIR}/console_driver.h)

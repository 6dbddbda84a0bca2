# The real main window driven end to end under Xvfb.
qm_add_test(test_window_build_e2e XVFB TIMEOUT 400 SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_window_build_e2e.cpp
    ${PROJECT_SOURCE_DIR}/tests/build/console_driver.cpp
    ${PROJECT_SOURCE_DIR}/tests/build/console_driver.h)
target_include_directories(test_window_build_e2e PRIVATE "${PROJECT_SOURCE_DIR}/tests/build")

add_test(NAME test_person_e2e
    COMMAND xvfb-run -a -s "-screen 0 1440x900x24"
            "${CMAKE_CURRENT_LIST_DIR}/test_person_e2e.sh" $<TARGET_FILE:quillmoss-java>)
set_tests_properties(test_person_e2e PROPERTIES LABELS "e2e" RUN_SERIAL TRUE TIMEOUT 120)

qm_add_test(test_field_checks SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_field_checks.cpp)
qm_add_test(test_help_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_help_window.cpp WIDGETS)

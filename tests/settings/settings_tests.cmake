qm_add_test(test_value_number SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_value_number.cpp)
qm_add_test(test_settings_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settings_file.cpp)

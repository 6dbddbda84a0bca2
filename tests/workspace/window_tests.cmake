qm_add_test(test_source_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_source_file.cpp)
qm_add_test(test_main_window WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_main_window.cpp)
qm_add_test(test_open_save_exit WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_open_save_exit.cpp)

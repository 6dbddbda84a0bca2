qm_add_test(test_about_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_about_window.cpp WIDGETS)

qm_add_test(test_create_directory SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_create_directory.cpp)

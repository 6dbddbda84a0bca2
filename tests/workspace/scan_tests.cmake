qm_add_test(test_class_scan SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_class_scan.cpp)
qm_add_test(test_layout SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_layout.cpp)

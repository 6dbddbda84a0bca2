qm_add_test(test_skin SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_skin.cpp)

# The shell-and-wait launcher: pure parts, the wait itself, and real xterm runs.
qm_add_test(test_launcher_terminal SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_terminal.cpp)
qm_add_test(test_launcher_wrapper SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_launcher_wrapper.cpp)

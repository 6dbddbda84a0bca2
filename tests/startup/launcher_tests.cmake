# The shell-and-wait launcher: pure parts, the wait itself, and real xterm runs.
qm_add_test(test_launcher_terminal SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_terminal.cpp)
qm_add_test(test_launcher_wrapper SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_launcher_wrapper.cpp)
qm_add_test(test_shell_and_wait SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_shell_and_wait.cpp TIMEOUT 60)
qm_add_test(test_shell_and_wait_xterm
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_shell_and_wait_xterm.cpp XVFB TIMEOUT 90)

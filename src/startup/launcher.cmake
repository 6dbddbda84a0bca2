# The shell-and-wait launcher and the terminal that shows a script's console.
target_sources(quillmoss_logic PRIVATE
    shell_and_wait.cpp shell_and_wait.h shell_and_wait_platform.h
    serviced_wait.cpp serviced_wait.h
    script_run.cpp script_run.h
    terminal.cpp terminal.h
)
if(WIN32)
    target_sources(quillmoss_logic PRIVATE shell_and_wait_windows.cpp)
else()
    target_sources(quillmoss_logic PRIVATE shell_and_wait_posix.cpp)
endif()

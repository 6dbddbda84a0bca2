#!/bin/sh
# The wrapper a terminal runs for a console script. It holds the write end of
# the launcher's pipe, reports its pid and its parent's on it, and runs the
# script, which does not inherit the pipe: the pipe closes when the wrapper
# ends, however it ends, and a program left behind cannot hold it open.
# The launcher writes this file into its private run directory with its
# values, quoted for the shell, in place of each @...@ mark.
end_pipe=@end_pipe@
script_shell=@script_shell@
script=@script@

exec 3>"$end_pipe"
echo "$$ $PPID" >&3
# Ctrl+C and Ctrl+\ are meant for the program: the wrapper outlives them (a
# caught trap reverts to the default in the script, unlike an ignored one).
# Hang-ups are not trapped: sh would defer a trap until its child ends, while
# the default action ends the wrapper at once when the console's window goes.
trap : INT QUIT
"$script_shell" "$script" 3>&-

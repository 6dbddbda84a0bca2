#!/bin/bash
# Nothing typed is lost, with the real program under Xvfb:
# 1. under a file-size limit (ulimit -f) a save of a larger source over an
#    older Big.java, replacing it as asked, shows the error message, the
#    program lives on, the old file stays, and once the limit is lifted the
#    same editor text saves whole;
# 2. a name typed into 文件 is the one saved, although 保存 cuts the line
#    break after the last "}".
# Usage (inside an X server of 1440x900): test_keeps_work_e2e.sh <quillmoss-java>
set -uo pipefail
bin=$1
needs=prlimit
source "$(dirname "$0")/../support/program_session.sh"

alive() { kill -0 "$app" 2>/dev/null && echo alive || echo ended; }

src="$work/src"
mkdir -p "$src"
store_path "$src"
old='class Big { /* the saved version */ }'
echo "$old" >"$src/Big.java"

# A soft limit of 4 KiB for the program: starting and reading the settings
# stay below it. This shell takes its own limit back at once.
ulimit -S -f 4
# shellcheck disable=SC2119 # the program starts without a file
start_program
ulimit -S -f unlimited

# About 5 KiB typed as a person would: one line, then copy and paste it
# until it has doubled eight times.
line='class Big { int x; }'
click 200 200 # the editor
xdotool type --delay 5 "$line"
xdotool key Return
for _ in $(seq 8); do
    xdotool key ctrl+a ctrl+c ctrl+End ctrl+v
done

# Keys and clicks reach the program in the order they were sent, so no
# pause is needed between typing and clicking. The Big.java there is not the
# window's own: it asks before replacing it.
click 30 22 # 保存
answer_replace() {
    local box
    box=$(wait_until 10 visible_window '^覆盖确认$') || fail "$1: no question before replacing Big.java; the program has $(alive)"
    xdotool windowfocus --sync "$box" key y # 是
}
answer_replace "beyond the limit"
box=$(wait_until 10 visible_window '^出错$') || fail "no error message after a save beyond the limit; the program has $(alive)"
[ "$(alive)" == alive ] || fail "the program ended"
[ "$(cat "$src/Big.java")" == "$old" ] || fail "the old Big.java was changed"
[ "$(ls -A "$src")" == "Big.java" ] || fail "left behind: $(ls -A "$src")"
xdotool windowfocus --sync "$box" key Return

# Lift the limit; the failed save refuses the next one until 目录 is edited.
prlimit --pid "$app" --fsize=unlimited: || fail "cannot lift the limit"
click 253 610 # 目录
xdotool key End
xdotool type "/"
click 30 22 # 保存
answer_replace "after lifting the limit" # still not written by the window
expected=$(for _ in $(seq 256); do echo "$line"; done; echo x)
saved_whole() { [ "$(cat "$src/Big.java"; echo x)" == "$expected" ]; }
wait_until 5 saved_whole || fail "Big.java after lifting the limit: $(wc -c <"$src/Big.java") bytes:
$(head -c 300 "$src/Big.java")"

# A typed name survives the cut after the last "}".
click 200 200 # the editor
xdotool key ctrl+a
xdotool type --delay 5 'class A { }'
xdotool key Return
click 128 639 # 文件
xdotool key ctrl+a
xdotool type --delay 5 'Manual'
click 30 22 # 保存
wait_for_file "$src/Manual.java" || fail "no Manual.java; the directory holds: $(ls -A "$src")"
[ "$(cat "$src/Manual.java")" == 'class A { }' ] || fail "Manual.java holds: $(cat "$src/Manual.java")"
[ -e "$src/A.java" ] && fail "A.java was written instead of the typed name"

exit_at_once "after the saves" # saved: no question
echo "PASS"

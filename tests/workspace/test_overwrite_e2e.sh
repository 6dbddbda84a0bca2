#!/bin/bash
# 保存 never replaces another program's file unasked, with the real program
# and its real message box under Xvfb: over a Main.java written earlier,
# 保存 asks "覆盖确认"; 否 keeps that file byte for byte and the window open;
# 是 replaces it; from then on it is the window's own file, and the next
# 保存 asks nothing.
# Usage (inside an X server of 1440x900): test_overwrite_e2e.sh <quillmoss-java>
set -uo pipefail
bin=$1
needs="cmp"
source "$(dirname "$0")/../support/program_session.sh"

src="$work/src"
mkdir -p "$src"
store_path "$src"
# Another program, with Chinese text and CR LF line ends, byte for byte.
printf 'public class Main {\r\n    // 成绩统计：另一个程序\r\n}\r\n' >"$src/Main.java"
cp "$src/Main.java" "$work/other.java"

# shellcheck disable=SC2119 # the program starts without a file
start_program
click 200 200 # the editor
xdotool type --delay 5 'public class Main {'
xdotool key Return
xdotool type --delay 5 'int mine;'
xdotool key Return
xdotool type --delay 5 '}'

question() {
    wait_until 10 visible_window '^覆盖确认$' || fail "$1: no question before replacing Main.java"
}
no_question() { ! xdotool search --onlyvisible --name '^覆盖确认$' >/dev/null 2>&1; }

click 30 22 # 保存
box=$(question "first 保存")
xdotool windowfocus --sync "$box" key Return # the default: 否
wait_until 5 no_question || fail "the question stayed open after 否"
cmp -s "$src/Main.java" "$work/other.java" || fail "否 changed Main.java: $(od -c "$src/Main.java" | head)"
[ "$(ls -A "$src")" == "Main.java" ] || fail "left behind: $(ls -A "$src")"
kill -0 "$app" 2>/dev/null || fail "the program ended after 否"

click 30 22 # 保存
box=$(question "second 保存")
xdotool windowfocus --sync "$box" key y # 是
mine() { grep -q 'int mine;' "$src/Main.java"; }
wait_until 5 mine || fail "是 did not replace Main.java: $(cat "$src/Main.java")"

# The window's own file now: a further edit saves without a question.
click 200 200
xdotool key ctrl+Home Down End Return # after "int mine;": what follows the last "}" is cut
xdotool type --delay 5 'int v2;'
click 30 22 # 保存
saved_again() { grep -q 'int v2;' "$src/Main.java" 2>/dev/null; }
wait_until 5 saved_again || fail "the second save of the window's own file did not write it"
no_question || fail "the window asked before replacing its own file"

exit_at_once "after the saves"
echo "PASS"

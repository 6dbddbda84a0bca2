#!/bin/bash
# The program as a person uses it under Xvfb: type a class, click "保存",
# find the file on disk, click "退出" and see the program end by itself.
# Usage (inside an X server of 1440x900): test_person_e2e.sh <quillmoss-java>
set -uo pipefail
bin=$1
needs=
source "$(dirname "$0")/../support/program_session.sh"

# The stored directory holds a space and Chinese, as a user's may.
src="$work/我的 源码"
store_path "$src"
# shellcheck disable=SC2119 # the program starts without a file
start_program

# Without a window manager keys go to the window under the pointer.
click 200 200 # the editor
lines=('public class Greeter {'
    '    public static void main(String[] args) {'
    '        System.out.println("Hello, world");'
    '    }'
    '}')
# The editor indents as the person types, so they type each line from its
# first word. xdotool types non-ASCII text through a remapped key, which
# drops characters in a row; Chinese is covered by the directory name instead.
for i in "${!lines[@]}"; do
    [ "$i" -gt 0 ] && xdotool key Return
    xdotool type --delay 5 "${lines[$i]#"${lines[$i]%%[! ]*}"}"
done

# The X server hands the program the keys and then the click in the order
# they were sent: the save sees every key.
click 30 22 # 保存
file="$src/Greeter.java"
wait_for_file "$file" || fail "no $file after 保存; the directory holds: $(ls -A "$src" 2>&1)"
expected=$(printf '%s\n' "${lines[@]}"; echo x)
actual=$(cat "$file"; echo x)
[ "$actual" == "$expected" ] || fail "$file holds:
$(od -c "$file" | head -20)"

exit_at_once "after 保存"
echo "PASS"

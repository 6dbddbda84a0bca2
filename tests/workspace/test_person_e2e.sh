#!/bin/bash
# The program as a person uses it under Xvfb: type a class, click "保存",
# find the file on disk, click "退出" and see the program end by itself.
# Usage (inside an X server of 1440x900): test_person_e2e.sh <quillmoss-java>
set -uo pipefail
bin=$1

for tool in xdotool "$bin"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool not available"; exit 0; }
done
[ -n "${DISPLAY:-}" ] || { echo "needs an X display (run under xvfb-run)"; exit 1; }

work=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The stored directory holds a space and Chinese, as a user's may.
src="$work/我的 源码"
mkdir -p "$work/config/quillmoss-java" "$work/home"
printf '[First+]1[First-]\n[Mode+]0[Mode-]\n[Class+]0[Class-]\n[Path+]%s[Path-]\n' "$src" \
    >"$work/config/quillmoss-java/MySet.ini"

HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$bin" &
app=$!

main=
for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name '^QuillmossJava编译器 v1\.05$' 2>/dev/null | tail -1)
    [ -n "$main" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
[ -n "$main" ] || fail "the main window never showed"
sleep 0.5

# Pixels of the window; it is laid out at 15 twips per pixel.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

# Without a window manager keys go to the window under the pointer.
click 200 200 # the editor
lines=('public class Greeter {'
    '    public static void main(String[] args) {'
    '        System.out.println("Hello, world");'
    '    }'
    '}')
# xdotool types non-ASCII text through a remapped key, which drops characters
# in a row; Chinese is covered by the directory name instead.
for i in "${!lines[@]}"; do
    [ "$i" -gt 0 ] && xdotool key Return
    xdotool type --delay 5 "${lines[$i]}"
done
sleep 0.3

click 30 22 # 保存
file="$src/Greeter.java"
for _ in $(seq 50); do
    [ -f "$file" ] && break
    sleep 0.1
done
[ -f "$file" ] || fail "no $file after 保存; the directory holds: $(ls -A "$src" 2>&1)"
expected=$(printf '%s\n' "${lines[@]}"; echo x)
actual=$(cat "$file"; echo x)
[ "$actual" == "$expected" ] || fail "$file holds:
$(od -c "$file" | head -20)"

click 456 640 # 退出
for _ in $(seq 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "the program is still running 5 s after 退出"
wait "$app"
status=$?
app=
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "PASS"

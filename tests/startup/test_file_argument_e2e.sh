#!/bin/bash
# The real program opened on a file, as the file manager starts it through
# the desktop entry (quillmoss-java %f): the source shows in the editor and
# 文件 names its main class, which "保存" proves by writing <class>.java with
# the source's text. Also: an opened file counts as saved, so "退出" leaves at
# once; a file that cannot be read leaves an empty window.
# Usage (inside an X server of 1440x900): test_file_argument_e2e.sh <quillmoss-java>
set -uo pipefail
bin=$1

for tool in xdotool iconv "$bin"; do
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

src="$work/源码"
mkdir -p "$work/config/quillmoss-java" "$work/home" "$work/下载 文件"
printf '[First+]1[First-]\n[Mode+]0[Mode-]\n[Class+]0[Class-]\n[Path+]%s[Path-]\n' "$src" \
    >"$work/config/quillmoss-java/MySet.ini"

# A textbook file from Chinese Windows: GB18030, CR LF, named unlike its class.
original='public class Greeter {
    public static void main(String[] args) {
        System.out.println("你好，世界");
    }
}'
file="$work/下载 文件/第1章 例题.java"
printf '%s\n' "$original" | sed 's/$/\r/' | iconv -f UTF-8 -t GB18030 >"$file"

main=
start() { # arguments for the program
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$bin" "$@" &
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
}
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }
exits_at_once() { # what -> fails unless the program ends by itself within 5 s
    click 456 640 # 退出
    for _ in $(seq 50); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app" 2>/dev/null && fail "$1: still running 5 s after 退出 (a question is open?)"
    wait "$app" || fail "$1: the program exited with status $?"
    app=
}

# Qt's own option and a second file are ignored; the first file opens.
start -style Fusion "$file" "$work/second.java"
exits_at_once "opened file"

start "$file"
click 30 22 # 保存
saved="$src/Greeter.java"
for _ in $(seq 50); do
    [ -f "$saved" ] && break
    sleep 0.1
done
[ -f "$saved" ] || fail "no $saved after 保存; the directory holds: $(ls -A "$src" 2>&1)"
# Line ends are the saver's business; the text and its encoding are checked.
expected=$(printf '%s\n' "$original"; echo x)
actual=$(tr -d '\r' <"$saved"; echo x)
[ "$actual" == "$expected" ] || fail "$saved holds:
$(od -c "$saved" | head -20)"
exits_at_once "saved file"

start "$work/no such file.java"
[ -e "$src/Class_Name.java" ] && fail "something was saved"
exits_at_once "unreadable file"
echo "PASS"

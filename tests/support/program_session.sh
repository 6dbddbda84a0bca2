# Shared by the shell end-to-end tests that drive the real program under
# Xvfb: a scratch home and settings directory, starting the program and
# waiting for its window, clicks, and leaving through "退出".
# Source it after setting `bin` (the program) and `needs` (extra tools).
# shellcheck shell=bash

: "${bin:?set bin before sourcing}" "${needs?set needs before sourcing}"
# A missing tool skips the test, or fails it where CI is set: a CI machine
# that has lost a tool must not report a pass.
for tool in xdotool $needs "$bin"; do
    command -v "$tool" >/dev/null && continue
    [ -n "${CI+set}" ] && { echo "FAIL: $tool not available" >&2; exit 1; }
    echo "SKIP: $tool not available"
    exit 0
done
[ -n "${DISPLAY:-}" ] || { echo "needs an X display (run under xvfb_session.sh)"; exit 1; }

work=$(mktemp -d)
app=
main=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the command $2... every 0.1 s until it succeeds, for at most $1
# seconds; its last status.
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10 - 1))); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Sets `main` to the main window once it shows.
main_window_shows() {
    main=$(xdotool search --onlyvisible --name '^QuillmossJava编译器 v1\.05$' 2>/dev/null | tail -1)
    [ -n "$main" ] && return 0
    kill -0 "$app" 2>/dev/null || fail "the program ended before showing its window"
    return 1
}

program_ended() { ! kill -0 "$app" 2>/dev/null; }

# Prints the id of a visible window named $1. Run in a command substitution:
# once the program has ended, it ends the wait.
visible_window() {
    kill -0 "$app" 2>/dev/null || exit 1
    xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 | grep .
}

# Stores `Path` = $1 in a fresh settings file.
store_path() {
    mkdir -p "$work/config/quillmoss-java" "$work/home"
    printf '[First+]1[First-]\n[Mode+]0[Mode-]\n[Class+]0[Class-]\n[Path+]%s[Path-]\n' "$1" \
        >"$work/config/quillmoss-java/MySet.ini"
}

# Starts the program with the given arguments and waits for its main window.
start_program() {
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$bin" "$@" &
    app=$!
    main=
    wait_until 10 main_window_shows || fail "the main window never showed"
}

# Pixels of the window; it is laid out at 15 twips per pixel.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

# Clicks "退出" and fails unless the program ends by itself, with status 0,
# within 5 s; $1 says which step this is.
exit_at_once() {
    click 456 640 # 退出
    wait_until 5 program_ended || fail "$1: still running 5 s after 退出"
    local status=0
    wait "$app" || status=$?
    app=
    [ "$status" -eq 0 ] || fail "$1: the program exited with status $status"
}

# Waits up to 5 s for file $1.
wait_for_file() { wait_until 5 test -f "$1"; }

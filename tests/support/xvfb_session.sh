#!/bin/bash
# Runs a command inside its own Xvfb server and returns its status.
# Xvfb chooses a free display itself and names it only once it accepts
# connections (-displayfd), so two servers never race for one number and
# the command never starts before its display answers.
set -u
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
xvfb=$!
finish() {
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$dir/log" >&2; echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
[ -s "$dir/display" ] || { echo "Xvfb never named its display" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$dir/display")" "$@"

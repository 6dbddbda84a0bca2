#!/bin/bash
# Takes the README's pictures: the main window, the options window and the
# about window, each under its own Xvfb, with a fresh settings directory.
set -euo pipefail
bin=$(realpath "$1")
out=$(realpath -m "${2:-docs}")
size=${SCREEN:-1440x900}
mkdir -p "$out"

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$@"
fi

config=$(mktemp -d)
trap 'kill $app 2>/dev/null || true; rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
mkdir -p "$config/quillmoss-java"
printf '[First+]1[First-]\n[Mode+]0[Mode-]\n[Class+]0[Class-]\n[Path+]%s[Path-]\n' \
    "$HOME/MyJava" > "$config/quillmoss-java/MySet.ini"

"$bin" & app=$!

wait_window() { # name -> window id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [ -n "$id" ] && echo "$id" && return
        sleep 0.1
    done
    echo "no window named $1" >&2; exit 1
}
# Clicks a point given in twips inside the main window's client area.
click_twips() {
    xdotool mousemove --window "$main" $(($1 / 15)) $(($2 / 15)) click 1
}

# Without a window manager keys go to the window under the pointer.
close_dialog() {
    xdotool mousemove --window "$1" 5 5
    xdotool key Escape
    sleep 0.3
}

main=$(wait_window 'QuillmossJava编译器 v1.05')
sleep 0.5
click_twips 3000 3000 # into the editor
xdotool type --delay 5 'public class Hello {'
xdotool key Return
xdotool type --delay 5 '    public static void main(String[] args) {'
xdotool key Return
xdotool type --delay 5 '        System.out.println("Hello, World");'
xdotool key Return
xdotool type --delay 5 '    }'
xdotool key Return
xdotool type --delay 5 '}'
sleep 0.3
import -window "$main" "$out/main-window.png"

click_twips 6000 9600 # 帮助
help=$(wait_window '帮助')
sleep 0.4
import -window "$help" "$out/options-window.png"
close_dialog "$help"
sleep 0.3

click_twips 2550 330 # 关于
about=$(wait_window '关于')
sleep 0.4
import -window "$about" "$out/about-window.png"
close_dialog "$about"
echo "screenshots written to $out"

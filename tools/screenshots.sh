#!/bin/bash
# Takes the README's pictures: the main window, the options window, the
# about window and a run's console (xterm), under Xvfb, with a fresh settings
# directory. With SUFFIX set (say SCREEN=800x600 SUFFIX=-800x600, or
# QT_FONT_DPI=144 SUFFIX=-144dpi) it takes only the main window, as
# main-window$SUFFIX.png.
set -euo pipefail
bin=$(realpath "$1")
out=$(realpath -m "${2:-docs}")
size=${SCREEN:-1440x900}
mkdir -p "$out"

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$@"
fi

config=$(mktemp -d)
manager=
trap 'kill $app $manager 2>/dev/null || true; rm -rf "$config"' EXIT
# A window manager, where there is one, frames the console so that its
# title shows in the picture.
if command -v openbox >/dev/null; then
    HOME="$config" openbox --sm-disable >/dev/null 2>&1 & manager=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
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
# The editor indents by itself.
xdotool type --delay 5 'public static void main(String[] args) {'
xdotool key Return
xdotool type --delay 5 'System.out.println("Hello, World");'
xdotool key Return
xdotool type --delay 5 '}'
xdotool key Return
xdotool type --delay 5 '}'
sleep 0.3
import -window "$main" "$out/main-window${SUFFIX:-}.png"
if [ -n "${SUFFIX:-}" ]; then
    echo "screenshot written to $out/main-window$SUFFIX.png"
    exit 0
fi

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
kill "$app"
wait "$app" 2>/dev/null || true

# A run's console: the program opens a textbook example given on its command
# line, builds in a scratch home, and the console waits for a key.
home="$config/home"
mkdir -p "$home/MyJava"
printf '[First+]1[First-]\n[Mode+]0[Mode-]\n[Class+]0[Class-]\n[Path+]%s[Path-]\n' \
    "$home/MyJava" > "$config/quillmoss-java/MySet.ini"
cat > "$config/Scores.java" <<'JAVA'
public class Scores {
    public static void main(String[] args) {
        int[] scores = {86, 92, 78, 95};
        int sum = 0;
        for (int s : scores) {
            sum += s;
        }
        System.out.println("你好，Java！");
        System.out.println("共 " + scores.length + " 门课，平均分：" + sum / scores.length);
    }
}
JAVA
HOME="$home" "$bin" "$config/Scores.java" & app=$!
main=$(wait_window 'QuillmossJava编译器 v1.05')
sleep 0.5
click_twips 1507 337 # 编译+运行
for _ in $(seq 200); do
    console=$(xdotool search --onlyvisible --class xterm 2>/dev/null | tail -1) && [ -n "$console" ] && break
    sleep 0.1
done
[ -n "$console" ] || { echo "no console window" >&2; exit 1; }
# The class file appears when javac is done; give java a moment to print.
for _ in $(seq 300); do
    [ -f "$home/MyJava/ClassFiles/Scores.class" ] && break
    sleep 0.1
done
sleep 2
import -frame -window "$console" "$out/console-window.png"
xdotool windowfocus "$console" key Return
echo "screenshots written to $out"

#!/bin/bash
# The real program opened on a file, as the file manager starts it through
# the desktop entry (quillmoss-java %f): the source shows in the editor and
# 文件 names its main class, which "保存" proves by writing <class>.java with
# the source's text. Also: an opened file counts as saved, so "退出" leaves at
# once; a file that cannot be read, or a named pipe, leaves an empty window
# that answers.
# Usage (inside an X server of 1440x900): test_file_argument_e2e.sh <quillmoss-java>
set -uo pipefail
bin=$1
needs='iconv'
source "$(dirname "$0")/../support/program_session.sh"

src="$work/源码"
store_path "$src"

# A textbook file from Chinese Windows: GB18030, CR LF, named unlike its class.
original='public class Greeter {
    public static void main(String[] args) {
        System.out.println("你好，世界");
    }
}'
mkdir -p "$work/下载 文件"
file="$work/下载 文件/第1章 例题.java"
printf '%s\n' "$original" | sed 's/$/\r/' | iconv -f UTF-8 -t GB18030 >"$file"

# Qt's own option and a second file are ignored; the first file opens.
start_program -style Fusion "$file" "$work/second.java"
exit_at_once "opened file"

start_program "$file"
click 30 22 # 保存
saved="$src/Greeter.java"
wait_for_file "$saved" || fail "no $saved after 保存; the directory holds: $(ls -A "$src" 2>&1)"
# Line ends are the saver's business; the text and its encoding are checked.
expected=$(printf '%s\n' "$original"; echo x)
actual=$(tr -d '\r' <"$saved"; echo x)
[ "$actual" == "$expected" ] || fail "$saved holds:
$(od -c "$saved" | head -20)"
exit_at_once "saved file"

# The window still shows, and nothing unsaved stands in the way of 退出.
start_program "$work/no such file.java"
exit_at_once "unreadable file"

# A named pipe nobody writes to is no source: the window answers at once.
mkfifo "$work/pipe.java"
start_program "$work/pipe.java"
exit_at_once "named pipe"
echo "PASS"

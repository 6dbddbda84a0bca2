#!/bin/bash
# The console script of 编译+运行: compiles the source copy with javac (or
# asks the program's warm javac), runs the class with java or the page with
# appletviewer, tells what happened and waits for a key.
#
# The program writes this file, with one build's values, quoted for the
# shell, in place of each @...@ mark below (the rest is written as it
# stands), into the build's private run folder, and runs it from there; a
# copy lies in Path/ClassFiles as Tamsorley.sh. javac's JDK, its archive and
# the warm javac are looked at in the program, so the script forks nothing
# for them.

# One build's values. --------------------------------------------------------
# Where the program runs: Path/ClassFiles, "~/" expanded. Files it reads or
# writes by a relative name are there, as are classes kept from earlier.
build_dir=@build_dir@
# This build's own folder, which no other build shares: the source copy
# (N.java) and javac's output; class_dir, "classes" in it, takes the class
# files, and "build" in it leads to the build directory.
run_dir=@run_dir@
class_dir=@class_dir@
source_file=@source_file@
# The file that keeps what javac printed, for the editor's marks once the
# console has closed.
javac_output=@javac_output@
# The file that keeps what the program printed on its standard error, for
# the mark of an uncaught exception; written only when the program ended by
# itself (not by Ctrl+C, nor by the console's close).
program_errors=@program_errors@
# 'program': java runs run_class; 'applet': appletviewer shows applet_page,
# which lies in class_dir beside the classes it names.
run_kind=@run_kind@
run_class=@run_class@
applet_page=@applet_page@
# The javac the program found on the search path, and its JDK: '' when no JDK
# release file lies there (then javac runs plainly).
javac=@javac@
jdk=@jdk@
# JVM flags that start javac faster for a short compile.
quick_javac_flags=(@quick_javac_flags@)
# A sound class-data archive of that JDK's javac, '' for none (the program
# makes one in the background).
javac_archive=@javac_archive@
# The warm javac: its directory and pid; pid 0 when none is ready.
server_dir=@server_dir@
server_pid=@server_pid@
# The console's lines, the same as the command interpreter's script shows.
text_compiling=@text_compiling@
text_compiled=@text_compiled@
text_stop_hint=@text_stop_hint@
text_compile_failed=@text_compile_failed@
text_run_ended=@text_run_ended@ # a printf format: the exit status, the seconds
text_no_viewer=@text_no_viewer@
text_press_any_key=@text_press_any_key@
# ----------------------------------------------------------------------------

# javac and java read and write Chinese file and package names only under a
# UTF-8 locale; the copy itself is read as UTF-8 whatever the locale. bash's
# printf makes one character of U+4F60 only where the locale in effect is
# UTF-8 (a UTF-8 locale that is not installed is not).
use_utf8_locale() {
  local probe
  printf -v probe '\u4f60'
  [ "${#probe}" -eq 1 ] || export LC_ALL=C.UTF-8
}

# The quick flags and the archive are for the javac the program looked at:
# only when the search path finds that one (hash finds it as the search path
# does, without a fork) does same_javac say yes and javac_flags hold them.
# archive is the archive in use, '' for none.
javac_flags=()
archive_flags=()
archive=
same_javac=
take_javac_setup() {
  [ -n "$jdk" ] || return 0
  hash javac 2>/dev/null
  [ "${BASH_CMDS[javac]}" = "$javac" ] || return 0
  same_javac=yes
  javac_flags=("${quick_javac_flags[@]}")
  [ -n "$javac_archive" ] || return 0
  archive=$javac_archive
  [ -f "$archive" ] && archive_flags=(-J-XX:SharedArchiveFile="$archive" -J-XX:+VerifySharedSpaces
    -J-Xlog:cds=off -J-Xlog:cds+dynamic=off -J-XX:+SuppressFatalErrorMessage)
}

# javac and java look for classes in this build's own folder first, then
# where they looked before: CLASSPATH, else the build directory. java runs
# in the build directory, so that is "." for it; javac runs in the run
# folder, where a relative entry is taken below "build". Names relative to
# the run folder hold no colon, which would split a class path.
java_class_path=$class_dir:${CLASSPATH:-.}
javac_class_path=classes
class_path_rest=${CLASSPATH:-.}:
while [ -n "$class_path_rest" ]; do
  entry=${class_path_rest%%:*}
  class_path_rest=${class_path_rest#*:}
  case $entry in /*) ;; *) entry=build/$entry ;; esac
  javac_class_path+=:$entry
done

# serve_javac SOURCE: compiles SOURCE, in the current directory, through the
# warm javac (its classes into class_dir, on javac's class path, whose
# relative entries it takes below the current directory) and prints what
# javac printed; returns javac's status, or 255 with nothing printed
# when no answer came (the server has ended, or has not answered in two
# minutes). The answer pipe is opened for reading and
# writing, so opening it never waits for the server and a read can time out;
# so is the request pipe, so a request to a server that has just ended never
# blocks. A request is a few NUL-ended fields in one write, which a pipe
# never interleaves with another build's.
serve_javac() {
  local reply="$server_dir/reply-$$" answer status='' part='' waited=0
  rm -f -- "$reply" "$reply.out"
  mkfifo -m 600 -- "$reply" 2>/dev/null || return 255
  exec {answer}<>"$reply"
  printf '%s\0' "$reply" "$PWD" "$1" "$class_dir" "$javac_class_path" '' \
    1<>"$server_dir/requests"
  # A read that times out mid-line keeps what it got in part; the next one
  # reads on from there.
  until read -r -t 0.2 -u "$answer" part; do
    status+=$part part=
    kill -0 "$server_pid" 2>/dev/null || break
    [ $((++waited)) -lt 600 ] || break
  done
  status+=$part
  exec {answer}<&-
  rm -f -- "$reply"
  case $status in
    [0-9]|[0-9][0-9]) [ -f "$reply.out" ] && cat -- "$reply.out" || status=255 ;;
    *) status=255 ;;
  esac
  rm -f -- "$reply.out"
  return "$status"
}

# Runs "$@" (javac, or the request to the warm javac): the console shows its
# output while a copy goes to javac_output; compiled is its own status, not
# tee's.
run_javac() {
  "$@" 2>&1 | tee "$javac_output"
  compiled=${PIPESTATUS[0]}
}

# javac's arguments: the copy, read as UTF-8, its classes into class_dir.
# No annotation processor runs: one found on the class path would run code
# that is not the learner's. javac speaks Chinese whatever the locale, and
# keeps the names of local variables (-g), which the JVM's message about a
# null names then.
javac_arguments=(-J-Duser.language=zh -J-Duser.region=CN -g -proc:none -encoding UTF-8
  -d "$class_dir" -cp "$javac_class_path" "$source_file")

# The JVM cannot check every damage to an archive before it maps it; one it
# dies on (SIGABRT, silently: bash reports no signal of a pipeline's first
# command) is removed and javac runs again without it.
compile_with_javac() {
  run_javac javac "${javac_flags[@]}" "${archive_flags[@]}" "${javac_arguments[@]}"
  if [ "$compiled" -eq 134 ] && [ -n "$archive" ]; then
    rm -f -- "$archive"
    run_javac javac "${javac_flags[@]}" "${javac_arguments[@]}"
  fi
}

# The warm javac first, when one is ready and the search path finds its JDK's
# javac; javac itself when it gave no answer.
compile() {
  compiled=255
  if [ "$server_pid" != 0 ] && [ -n "$same_javac" ]; then
    run_javac serve_javac "$source_file"
  fi
  if [ "$compiled" -eq 255 ]; then
    compile_with_javac
  fi
}

# Spaces to the end of the line wrap only when the program left text on it;
# the carriage return then starts the status line on a line of its own.
start_fresh_line() {
  local columns
  if [ -t 1 ]; then
    columns=$(stty size 2>/dev/null </dev/tty); columns=${columns#* }
    case $columns in ''|*[!0-9]*) ;; *) printf '%*s\r' "$columns" '' ;; esac
  fi
}

# Runs "$@", timed from bash's own clock (a '.' or ',' before the
# microseconds), and tells its exit status and run time.
run_timed() {
  local started ended status centis seconds
  started=$EPOCHREALTIME
  "$@"
  status=$?
  ended=$EPOCHREALTIME
  start_fresh_line
  centis=$(( (${ended//[.,]/} - ${started//[.,]/} + 5000) / 10000 ))
  printf -v seconds '%d.%02d' $((centis / 100)) $((centis % 100))
  # shellcheck disable=SC2059 # the format is the program's own line
  printf -- "$text_run_ended\n" "$status" "$seconds"
}

# Runs the class: its standard error shows in the console as it comes, and
# a copy goes to program_errors once the program has ended by itself (a
# status from 128 up is a signal's: Ctrl+C, say). The program reads the
# console itself.
run_java() {
  local status
  rm -f -- "$program_errors" "$program_errors.part"
  { java -cp "$java_class_path" "$run_class" 2>&1 1>&3 3>&- |
      tee -- "$program_errors.part" >&2 3>&-
    status=${PIPESTATUS[0]}; } 3>&1
  if [ "$status" -lt 128 ]; then
    mv -f -- "$program_errors.part" "$program_errors"
  fi
  return "$status"
}

run_program() {
  if [ "$run_kind" != applet ]; then
    echo "$text_stop_hint"
    run_timed run_java
  elif command -v appletviewer >/dev/null; then
    run_timed appletviewer "$class_dir/$applet_page"
  else
    echo "$text_no_viewer"
  fi
}

# Keys typed while javac or the program ran are read away first, so only a
# key pressed after the prompt closes the console. Ctrl+C, and Ctrl+Shift+C,
# which a terminal sends as the same, interrupt the read (a status above
# 128): a learner copying an error does not close the console with them.
wait_for_key() {
  if [ -t 0 ]; then while read -r -s -n 1 -t 0.05; do :; done; fi
  echo -n "$text_press_any_key"
  until read -r -s -n 1; [ $? -lt 128 ]; do :; done
}

# javac runs in the run folder, so that its messages name the copy as the
# editor does; the program in the build directory. Comp has just made both;
# should the build directory have gone all the same, the program runs in the
# run folder and the console still waits for its key.
cd -- "$run_dir" || exit
use_utf8_locale
# Ctrl+C stops javac or the program, not the script: the console then tells
# how it ended and waits for its key. A caught signal goes back to its
# default in what the script starts, unlike an ignored one.
trap : INT
echo "$text_compiling"
take_javac_setup
compile
if [ "$compiled" -eq 0 ]; then
  echo "$text_compiled"
  # shellcheck disable=SC2164
  cd -- "$build_dir"
  run_program
else
  echo "$text_compile_failed"
fi
wait_for_key

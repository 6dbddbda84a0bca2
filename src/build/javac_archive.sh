#!/bin/bash
# Makes the class-data archive of a JDK's javac, which starts javac in about
# half its time. The program runs this file's text detached when a JDK has
# none: soon after its first start, and after a build that found none. Its
# work runs at the lowest processor priority, so it never slows typing.
#
# bash -c "$(cat javac_archive.sh)" make-archive JDK CACHE VERSION SAMPLE FLAGS...
#   JDK      the JDK's directory
#   CACHE    where archives live
#   VERSION  the JDK's version as a file name takes it
#   SAMPLE   the text of a small program javac compiles to make it
#   FLAGS    javac's quick flags, as the console's script gives them

# The archive is written under a temporary name in CACHE, tried once, and
# renamed to its final name, which holds its MD5 sum (the program checks it
# before the archive is used), so no build ever sees half of it. A JDK that
# cannot make one is noted with the free space of that moment: the program
# asks again once the note is a day old, or once there is more room.
make_javac_archive() {
  local jdk_dir=$1 cache=$2 version=$3 sample=$4 sum free
  local flags=("${@:5}")
  # Work left by a job that was killed outright.
  find "$cache" -maxdepth 1 -name '.javac-*' -mmin +1440 -exec rm -rf -- {} + 2>/dev/null
  mkdir -p -- "$cache" && work=$(mktemp -d -- "$cache/.javac-$version-XXXXXX") || return
  # $work is global: the trap runs after the function has returned.
  trap 'rm -rf -- "$work"' EXIT
  printf '%s' "$sample" > "$work/Sample.java"
  nice -n 19 timeout 120 "$jdk_dir/bin/javac" "${flags[@]}" -J-XX:ArchiveClassesAtExit="$work/javac.jsa" \
    -proc:none -encoding UTF-8 -cp "$work" -d "$work" "$work/Sample.java"
  # Cut short (timeout, a signal): the next start or build tries again.
  [ $? -lt 124 ] || return
  if [ -f "$work/javac.jsa" ] && nice -n 19 timeout 60 "$jdk_dir/bin/javac" "${flags[@]}" -J-Xshare:on \
      -J-XX:+VerifySharedSpaces -J-XX:SharedArchiveFile="$work/javac.jsa" -version &&
      sum=$(nice -n 19 md5sum < "$work/javac.jsa"); then
    mv -f -- "$work/javac.jsa" "$cache/javac-$version-${sum%% *}.jsa" &&
      rm -f -- "$cache/javac-$version.failed"
  else
    free=$(stat -f -c '%a*%S' -- "$cache" 2>/dev/null) && free=$((free))
    printf '%s\n' "$free" > "$cache/javac-$version.failed" ||
      : > "$cache/javac-$version.failed"
  fi
}

make_javac_archive "$@"

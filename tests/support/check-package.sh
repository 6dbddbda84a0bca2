#!/bin/sh
# Builds the Debian package from a configured build directory and checks what it holds.
set -eu
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/quillmoss-java_*_amd64.deb)
echo "built $(basename "$deb")"
files=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quillmoss-java \
         ./usr/share/applications/quillmoss-java.desktop \
         ./usr/share/icons/hicolor/256x256/apps/quillmoss-java.png; do
    echo "$files" | grep -q " $f\$" || { echo "missing $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqscintilla2-qt6-15 "default-jdk | openjdk-17-jdk" x-terminal-emulator; do
    echo "$depends" | grep -qF "$d" || { echo "Depends lacks $d: $depends"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = quillmoss-java ] || exit 1
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || exit 1
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/quillmoss-java.desktop |
    grep -q '^Name=QuillmossJava编译器$' || { echo "desktop entry name"; exit 1; }
echo "package ok"

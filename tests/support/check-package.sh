#!/bin/bash
# Builds the Debian package from a configured build directory and checks it
# as Debian would: what it holds, its dependencies, its desktop entry and
# AppStream data, icon sizes, the hardened and stripped binary, and lintian.
# Usage: check-package.sh <build directory>
set -euo pipefail
build=$1
for tool in cpack dpkg-deb lintian appstreamcli desktop-file-validate readelf file; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool missing (make test installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
arch=$(dpkg --print-architecture)
deb=$(ls "$work"/quillmoss-java_*_"$arch".deb)
echo "built $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = quillmoss-java ] || fail "package name"
root="$work/root"
dpkg-deb -x "$deb" "$root"

share=usr/share
expected=(usr/bin/quillmoss-java
    "$share/applications/quillmoss-java.desktop"
    "$share/metainfo/org.example.quillmossjava.metainfo.xml"
    "$share/icons/hicolor/scalable/apps/quillmoss-java.svg"
    "$share/man/man1/quillmoss-java.1.gz"
    "$share/man/zh_CN/man1/quillmoss-java.1.gz"
    "$share/doc/quillmoss-java/copyright"
    "$share/doc/quillmoss-java/changelog.gz")
for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/quillmoss-java.png
    expected+=("$icon")
    if [ -f "$root/$icon" ]; then
        kind=$(file -b "$root/$icon")
        [[ $kind == "PNG image data, $size x $size,"* ]] || fail "$icon is $kind"
    fi
done
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing /$f"
done

# The libraries as dpkg-shlibdeps finds them, and what the binary cannot name.
depends=$(dpkg-deb -f "$deb" Depends)
for d in "libc6 (" "libgcc-s1 (" "libstdc++6 (" "libqt6widgets6 (" "libqscintilla2-qt6-15 (" \
    qt6-qpa-plugins qt6-translations-l10n "default-jdk | openjdk-17-jdk" \
    "xterm | x-terminal-emulator"; do
    [[ $depends == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

desktop="$root/$share/applications/quillmoss-java.desktop"
desktop-file-validate "$desktop"
for line in 'Name=QuillmossJava编译器' 'Exec=quillmoss-java %f' 'MimeType=text/x-java;'; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
appstreamcli validate --no-net --no-color "$root/$share/metainfo/org.example.quillmossjava.metainfo.xml"

# Read whole before matching: grep -q would end a pipe early under pipefail.
binary="$root/usr/bin/quillmoss-java"
kind=$(file -b "$binary")
[[ $kind == *", stripped"* ]] || fail "binary not stripped: $kind"
[[ $(readelf -lW "$binary") == *GNU_RELRO* ]] || fail "binary without RELRO"
[[ $(readelf -dW "$binary") =~ BIND_NOW|FLAGS.*NOW ]] || fail "binary not bound at load"
[[ $(readelf --dyn-syms -W "$binary") == *__stack_chk_fail* ]] || fail "no stack protector"

# Debian's own judgement: no error, no warning, and none of the hints about
# hardening and stripping that a package built by Debian's tools would avoid.
lintian --tag-display-limit 0 --display-info "$deb" 2>/dev/null | tee "$work/lintian.log" || true
if grep -qE '^([EW]: |I: .*(hardening-|binary-has-unneeded-section))' "$work/lintian.log"; then
    fail "lintian reports errors or warnings"
fi
echo "package ok"

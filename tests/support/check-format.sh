#!/bin/sh
# Fails when a C++ source in the tree is not formatted as .clang-format says.
cd "$1" || exit 1
files=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files

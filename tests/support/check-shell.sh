#!/bin/bash
# Fails when shellcheck finds fault with a shell script of the tree: every
# *.sh file, and every file without an extension whose first line is a sh or
# bash shebang (.ci/run). Files a script sources are followed from the
# script's own folder. Fails, rather than skips, when shellcheck is missing.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

command -v shellcheck >/dev/null ||
    { echo "shellcheck is not installed (the Debian package shellcheck)" >&2; exit 1; }

listed() {
    git ls-files -co --exclude-standard -z 2>/dev/null ||
        find . -path ./.git -prune -o -path './out*' -prune -o -type f -print0
}

scripts=()
while IFS= read -r -d '' file; do
    file=${file#./}
    [ -f "$file" ] || continue # deleted, not yet committed
    case ${file##*/} in
        *.sh) scripts+=("$file") ;;
        *.*) ;;
        *)
            IFS= read -r first <"$file" || true
            [[ $first =~ ^\#!.*[/\ ](ba)?sh([[:space:]]|$) ]] && scripts+=("$file")
            ;;
    esac
done < <(listed)

[ "${#scripts[@]}" -gt 0 ] || { echo "no shell script found" >&2; exit 1; }
shellcheck --external-sources --source-path=SCRIPTDIR "${scripts[@]}"
echo "shellcheck: ${#scripts[@]} scripts, no findings"

#!/bin/bash
# Fails when a file of src/ includes from a folder of its own layer or of a
# higher one. The layers are the numbered list under "Layers" in
# docs/architecture.md: one line per layer, lowest first, its folders in
# backquotes ("2. `settings/`, `launcher/`").
set -euo pipefail
top=${1:-$(dirname "$0")/../..}
cd "$top"

declare -A layer=()
while IFS= read -r line; do
    number=${line%%.*}
    rest=${line#*.}
    while [[ $rest =~ \`([a-z_]+)/\` ]]; do
        layer[${BASH_REMATCH[1]}]=$number
        rest=${rest#*"${BASH_REMATCH[0]}"}
    done
done < <(sed -n '/^## Layers/,/^## /p' docs/architecture.md | grep -E '^[0-9]+\. ')

[ "${#layer[@]}" -gt 0 ] || { echo "no layer list found in docs/architecture.md" >&2; exit 1; }

status=0
for folder in src/*/; do
    name=$(basename "$folder")
    if [ -z "${layer[$name]:-}" ]; then
        echo "src/$name/ is in no layer of docs/architecture.md"
        status=1
    fi
done

while IFS=: read -r file _ include; do
    from=${file#src/}
    from=${from%%/*}
    target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$include")
    to=${target%%/*}
    [ "$to" = "$target" ] && continue # a header beside the file
    [ "$from" = "$to" ] && continue
    [ -n "${layer[$to]:-}" ] || continue # not a folder of src/
    if [ "${layer[$to]}" -ge "${layer[$from]}" ]; then
        echo "$file includes $target: $to/ is not below $from/"
        status=1
    fi
done < <(grep -rn --include='*.cpp' --include='*.h' '^#include "' src)
exit $status

#!/usr/bin/env bash
# Fails when the sources break the house rules: every #include "…" points down the table of
# folders below (a subfolder counts as its top folder), no two folders include each other,
# and no source file passes 800 lines. Usage: check-house.sh [root], root defaults to src/.
set -euo pipefail
root=${1:-"$(dirname "$0")/../src"}
max_lines=800

# What each top folder may include besides itself; anything absent here may include nothing.
subsystems="window settings writing documents editor stats appearance lists tools"
below_core="ui platform cipher base"
declare -A may=([app]="$subsystems core $below_core" [core]="$below_core"
                [ui]="base" [cipher]="base" [platform]="base" [base]="")
for s in $subsystems; do may[$s]="core $below_core"; done

failed=0
fail() { echo "$*"; failed=1; }
unknown() { fail "$1 $2/, which is not in the table of scripts/check-house.sh; add it there"; }

while read -r lines file; do
    [[ $file == total ]] && continue
    rel=${file#"$root"/}
    ((lines <= max_lines)) || fail "$rel: $lines lines, more than $max_lines"
    [[ $rel != */* || -v may[${rel%%/*}] ]] || unknown "$rel: in folder" "${rel%%/*}"
done < <(find "$root" -type f \( -name '*.cpp' -o -name '*.h' \) -exec wc -l {} +)

declare -A includes=()  # "from to" -> the first file:line that shows it
while IFS=: read -r file line text; do
    rel=${file#"$root"/}
    target=${text#*\"} && target=${target%%\"*}
    from=${rel%%/*} to=${target%%/*}
    # src/main.cpp composes everything; a name without a folder lies beside its includer.
    [[ $rel == */* && $target == */* && $to != "$from" && -v may[$from] ]] || continue
    [[ -v may[$to] ]] || { unknown "$rel:$line: includes \"$target\" from" "$to" && continue; }
    [[ -v includes["$from $to"] ]] || includes["$from $to"]="$rel:$line"
    [[ " ${may[$from]} " == *" $to "* ]] || fail "$rel:$line: $from/ may not include $to/ (\"$target\")"
done < <(grep -rnE --include='*.cpp' --include='*.h' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$root" | sort -t: -k1,1 -k2,2n)

for pair in "${!includes[@]}"; do
    read -r from to <<<"$pair"
    if [[ $from < $to && -v includes["$to $from"] ]]; then
        fail "circle: $from/ and $to/ include each other" \
            "(${includes[$pair]} and ${includes["$to $from"]})"
    fi
done
exit $failed

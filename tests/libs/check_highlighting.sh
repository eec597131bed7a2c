#!/usr/bin/env bash
# Checks that the editor's highlighting knows every word of the installation's word lists: each
# keyword of config/keywords.txt and each function of config/functions.txt must stand in
# config/tolvabasic.lang (as a <keyword> entry, or in a pattern such as the inline PHP block). Usage: check_highlighting.sh <source root>
set -uo pipefail

root=${1:?usage: check_highlighting.sh <source root>}
language="$root/config/tolvabasic.lang"
missing=0
while IFS=: read -r word _; do
    word=${word%$'\r'}
    [ -z "$word" ] && continue
    if ! grep -qiw -- "$word" "$language"; then
        echo "not highlighted: $word"
        missing=$((missing + 1))
    fi
done < <(cat "$root/config/keywords.txt" "$root/config/functions.txt")
[ "$missing" -eq 0 ]

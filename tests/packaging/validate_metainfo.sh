#!/usr/bin/env bash
# The AppStream metainfo passes appstreamcli with no error, warning or info (only pedantic
# notes, such as the capital letter in the id, are let through), and lists the same categories
# as the desktop entry.
# Usage: validate_metainfo.sh <build dir> <source dir>
set -euo pipefail
metainfo="$2/resources/velmora.metainfo.xml"
entry="$2/resources/velmora.desktop"

report=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) || { echo "$report"; exit 1; }
echo "$report"
if grep -qE '^ *[EWI]: ' <<<"$report"; then exit 1; fi

listed=$(sed -nE 's|^ *<category>(.*)</category> *$|\1|p' "$metainfo" | sort)
entered=$(sed -nE 's/^Categories=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort)
[[ -n "$listed" && "$listed" == "$entered" ]] \
    || { echo "metainfo categories [$listed] differ from the desktop entry's [$entered]"; exit 1; }

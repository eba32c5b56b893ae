#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate with no error and no warning.
# Usage: validate_desktop_entry.sh <build dir> <source dir>
set -euo pipefail
entry="$2/resources/velmora.desktop"

report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; exit 1; }
[[ -z "$report" ]] || echo "$report"
if grep -qE ': (error|warning): ' <<<"$report"; then exit 1; fi

#!/usr/bin/env bash
# The Windows resource script compiles, and the object carries the version strings and the
# icon group of 15 images (16 to 128 pixels at 4, 24 and 32 bits per pixel).
# Usage: windows_resource.sh <build dir> <source dir>
set -euo pipefail
resources="$2/resources"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The host's cpp preprocesses the script, so no MinGW compiler is needed.
x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc \
    --preprocessor-arg=-DRC_INVOKED -I "$resources" \
    "$resources/velmora.rc" -O coff -o "$scratch/velmora.o"
x86_64-w64-mingw32-windres -i "$scratch/velmora.o" -O rc -o "$scratch/readback.rc"
rc="$scratch/readback.rc"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for value in '"ProductName", "Velmora"' '"InternalName", "Velmora"' \
    '"OriginalFilename", "Velmora.exe"' '"FileVersion", "1.00"' '"ProductVersion", "1.00"'; do
    grep -qF "VALUE $value" "$rc" || fail "no VALUE $value"
done
grep -qE '^ *FILEVERSION 1, 0, 0, 0$' "$rc" || fail "FILEVERSION is not 1.0.0.0"

# One element line per image: "width height colors pad" in octal escapes, planes, bits, ...
grep -qF 'Has 15 elements.' "$rc" || fail "icon group does not have 15 elements"
images=$(grep -F 'Element no' "$rc" | sed -E 's/^ *"\\([0-7]+)\\([0-7]+)[^,]*, 1, ([0-9]+),.*/\1 \2 \3/' | sort)
expected=$(for bits in 4 24 32; do for size in 020 040 060 100 200; do
    echo "$size $size $bits"; done; done | sort)
[[ "$images" == "$expected" ]] || fail "icon images (octal width, height, bits):"$'\n'"$images"
exit $failed

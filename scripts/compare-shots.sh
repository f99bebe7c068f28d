#!/usr/bin/env bash
# Compares two folders of window pictures from window-shots.sh pixel for pixel.
#   scripts/compare-shots.sh A_DIR B_DIR
# Prints, for every picture in either folder, the number of pixels that differ, or that it is
# missing on one side or that its size changed. Exits with 1 when anything differs, 0 when
# every picture is the same in both.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 A_DIR B_DIR" >&2
    exit 2
fi
a=$1
b=$2
for dir in "$a" "$b"; do
    [ -d "$dir" ] || { echo "$dir is not a folder" >&2; exit 2; }
done

status=0
names=$( (cd "$a" && ls -- *.png 2>/dev/null; cd "$OLDPWD" && cd "$b" && ls -- *.png 2>/dev/null) |
    sort -u)
[ -n "$names" ] || { echo "no pictures in $a or $b" >&2; exit 1; }
while read -r name; do
    if [ ! -f "$a/$name" ]; then
        echo "$name: missing in $a"
        status=1
    elif [ ! -f "$b/$name" ]; then
        echo "$name: missing in $b"
        status=1
    else
        size_a=$(identify -format '%wx%h' "$a/$name")
        size_b=$(identify -format '%wx%h' "$b/$name")
        if [ "$size_a" != "$size_b" ]; then
            echo "$name: size $size_a against $size_b"
            status=1
            continue
        fi
        # compare exits with 1 when the pictures differ; the count is on standard error.
        differing=$(compare -metric AE "$a/$name" "$b/$name" null: 2>&1 || true)
        echo "$name: $differing"
        [ "$differing" = 0 ] || status=1
    fi
done <<<"$names"
exit $status

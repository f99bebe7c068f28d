#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree a player's system would get:
# exactly the programs, menu entries, icons and metainfo, nothing from the tests or tools.
#   check_install.sh <build folder> <prefix> <appstream id> <version> <with maker: ON|OFF>
#                    <version as the programs show it>
set -euo pipefail
build=$1 prefix=$2 appid=$3 version=$4 maker=$5 shown=$6
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

programs=(tolvekin)
[ "$maker" = ON ] && programs+=(zenbro)
expected=("bin/tolvekin" "share/applications/tolvekin.desktop"
          "share/metainfo/$appid.metainfo.xml")
[ "$maker" = ON ] && expected+=("bin/zenbro" "share/applications/zenbro.desktop")
for size in 16 22 24 32 48 64 128 256; do
    for p in "${programs[@]}"; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/$p.png")
    done
done
want=$(printf '%s\n' "${expected[@]}" | sort)
have=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$want" = "$have" ] || fail "installed files differ:
$(diff <(echo "$want") <(echo "$have") || true)"

for f in "$prefix"/share/icons/hicolor/*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$f")")")
    got=$(identify -format '%wx%h' "$f")
    [ "$got" = "$size" ] || fail "$f is $got, not $size"
done

for p in "${programs[@]}"; do
    entry="$prefix/share/applications/$p.desktop"
    [ -x "$prefix/bin/$p" ] || fail "bin/$p is not executable"
    grep -qx "Exec=$p --data-home" "$entry" || fail "$entry does not start $p in the data folder"
    grep -qx "Icon=$p" "$entry" || fail "$entry names another icon"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/$p" --version)
    [ "$out" = "$p $shown" ] || fail "bin/$p --version printed '$out'"
done
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$appid.metainfo.xml" ||
    fail "the metainfo does not name release $version"
echo "installed tree OK: ${#expected[@]} files"

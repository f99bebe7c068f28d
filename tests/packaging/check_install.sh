#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree a player's system would get:
# exactly the programs, menu entries, icons, manual pages, licence, changelog and metainfo,
# nothing from the tests or tools.
#   check_install.sh <build folder> <prefix> <appstream id> <version> <with maker: ON|OFF>
#                    <version as the programs show it>
set -euo pipefail
build=$1 prefix=$2 appid=$3 version=$4 maker=$5 shown=$6
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

programs=(tolvekin)
[ "$maker" = ON ] && programs+=(zenbro)
expected=("games/tolvekin" "share/applications/tolvekin.desktop"
          "share/metainfo/$appid.metainfo.xml" "share/man/man6/tolvekin.6.gz"
          "share/doc/tolvekin/copyright" "share/doc/tolvekin/changelog.gz")
[ "$maker" = ON ] && expected+=("games/zenbro" "share/applications/zenbro.desktop"
                                "share/man/man6/zenbro.6.gz")
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
    [ -x "$prefix/games/$p" ] || fail "games/$p is not executable"
    grep -qx "Exec=$p --data-home" "$entry" || fail "$entry does not start $p in the data folder"
    grep -qx "Icon=$p" "$entry" || fail "$entry names another icon"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/games/$p" --version)
    [ "$out" = "$p $shown" ] || fail "games/$p --version printed '$out'"
    # The manual page is whole roff that man formats without a warning (where man is installed).
    command -v man >/dev/null || continue
    warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/$p.6.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page of $p: $warnings"
done
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$appid.metainfo.xml" ||
    fail "the metainfo does not name release $version"
grep -q "<project_license>GPL-3.0-or-later</project_license>" \
    "$prefix/share/metainfo/$appid.metainfo.xml" || fail "the metainfo names another licence"
zcat "$prefix/share/doc/tolvekin/changelog.gz" | head -1 | grep -q "^tolvekin ($version)" ||
    fail "the changelog does not begin with version $version"
echo "installed tree OK: ${#expected[@]} files"

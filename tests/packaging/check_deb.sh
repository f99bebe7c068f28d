#!/usr/bin/env bash
# Builds the Debian package of a build folder into a scratch folder and has lintian check it:
# no error and no warning. Also checks what a player's system gets from it: the programs in
# /usr/games, manual pages, a machine-readable copyright, a changelog and the dependencies.
#   check_deb.sh <build folder> <scratch folder>
set -euo pipefail
build=$1 scratch=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
    fail "cpack failed: $(tail -20 "$scratch/cpack.log")"
deb=$(find "$scratch" -maxdepth 1 -name 'tolvekin_*.deb' | head -1)
[ -n "$deb" ] || fail "cpack made no package"

contents=$(dpkg-deb --contents "$deb")
for f in ./usr/games/tolvekin ./usr/games/zenbro ./usr/share/man/man6/tolvekin.6.gz \
         ./usr/share/man/man6/zenbro.6.gz ./usr/share/doc/tolvekin/copyright \
         ./usr/share/doc/tolvekin/changelog.gz; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
done
grep -q ' \./usr/bin/' <<<"$contents" && fail "the package puts a program in /usr/bin"

depends=$(dpkg-deb --field "$deb" Depends)
for d in qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic; do
    grep -qw "$d" <<<"$depends" || fail "the package does not depend on $d"
done

dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./control >"$scratch/control"
# The Description: its first line and the continuation lines after it.
awk '/^Description:/ { d = 1 } d && !/^(Description:| )/ { d = 0 }
     d && length($0) > 80 { print; bad = 1 } END { exit bad }' "$scratch/control" >&2 ||
    fail "a line of the package's Description is wider than 80 columns"
[ "$(grep -c '^ ' "$scratch/control")" -ge 3 ] || fail "the Description has no long text"

dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tolvekin/copyright >"$scratch/copyright"
head -1 "$scratch/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
grep -q '^License: GPL-3.0-or-later' "$scratch/copyright" ||
    fail "the copyright file does not name GPL-3.0-or-later"

# --fail-on makes lintian's exit status say whether an error or a warning was found.
if ! lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1; then
    cat "$scratch/lintian.log" >&2
    fail "lintian $(lintian --version) found errors or warnings"
fi
echo "package OK: $(basename "$deb"), $(lintian --version)"

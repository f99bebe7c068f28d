#!/usr/bin/env bash
# Starts the game under Xvfb and photographs its main window into docs/screenshot.png (or the
# file given first). Further arguments go to the game, for example /MAXX12 /MAXY10.
#   scripts/screenshot.sh [out.png] [settings...]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
shift || true
game="$PWD/build/app/tolvekin"
[ -x "$game" ] || scripts/build.sh
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 "${SCREEN:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
data=$(mktemp -d)
trap 'kill $game_pid $xvfb 2>/dev/null || true; rm -rf "$data"' EXIT
sleep 1
(cd "$data" && DISPLAY=$display "$game" "$@") &
game_pid=$!
# The splash takes about a second; then the main window is up.
for _ in $(seq 1 50); do
    id=$(DISPLAY=$display xdotool search --name '^ぽるぽら$' 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.2
done
[ -n "${id:-}" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 0.5
mkdir -p "$(dirname "$out")"
DISPLAY=$display import -window "$id" "$out"
echo "wrote $out"

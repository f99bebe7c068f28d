#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game. The game keeps its settings, scores and
# character files in the folder it starts from: play/ in this checkout (made on first start).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p play
cd play
exec ../build/app/tolvekin "$@"

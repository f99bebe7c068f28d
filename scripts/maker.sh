#!/usr/bin/env bash
# Installs what is missing, builds, and starts the character maker in play/, the folder the
# game starts from in scripts/play.sh, so the characters it writes are the ones the game loads.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p play
cd play
exec ../build/maker/zenbro "$@"

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then builds the sanitize preset
# (address and undefined-behaviour sanitizers, assertions on) in build-sanitize and runs every
# test again there. Ends with CTest's summary of each; fails when either fails.
# TOLVEKIN_SKIP_SANITIZE=1 leaves the second round out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
jobs="$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
if [ -n "${TOLVEKIN_SKIP_SANITIZE:-}" ]; then
    exit 0
fi
werror=OFF
[ -n "${CI:-}" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset sanitize -DTOLVEKIN_WERROR="$werror" "${launcher[@]}" >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

#!/usr/bin/env bash
# Configures and builds everything in build/ (warnings are errors when CI is set).
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVEKIN_WERROR="$werror" -DTOLVEKIN_REQUIRE_TEST_TOOLS=ON >/dev/null
cmake --build build -j "$(nproc)"

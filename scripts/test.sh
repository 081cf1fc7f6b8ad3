#!/usr/bin/env bash
# Installs what is missing, builds everything (benchmarks included, so they keep building)
# and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --test
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXMO3_BENCH=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

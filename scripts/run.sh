#!/usr/bin/env bash
# Installs what is missing, builds Pixmo3 and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The window comes later; until then the converter is the program.
exec "$root/build/cli/pixmo3-convert" --help "$@"

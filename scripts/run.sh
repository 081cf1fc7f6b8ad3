#!/usr/bin/env bash
# Installs what is missing, builds Pixmo3 and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Arguments go to the program: an image file to open, -C to start from the clipboard.
exec "$root/build/app/pixmo3" "$@"

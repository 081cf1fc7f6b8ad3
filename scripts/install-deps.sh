#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need, when missing.
# --test adds the programs the tests compare our files with (never linked into ours).
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libdeflate-dev libpng-dev libgif-dev
          qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n xvfb)
if [ "${1:-}" = "--test" ]; then
  packages+=(python3-pil imagemagick ffmpeg gifsicle pngcheck desktop-file-utils appstream)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

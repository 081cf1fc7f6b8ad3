#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree: both programs run from it, the
# launcher and the AppStream file validate, the icon is there at every size.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/pixmo3 bin/pixmo3-convert share/applications/pixmo3.desktop \
         share/metainfo/io.github.pixmo3.Pixmo3.metainfo.xml share/icons/hicolor/scalable/apps/pixmo3.svg; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/pixmo3.png"
  [ -s "$png" ] || { echo "missing icon: $png"; exit 1; }
  "$prefix/bin/pixmo3-convert" --info "$png" | grep -q "^${size}x${size} " || { echo "bad icon: $png"; exit 1; }
done
grep -q '^MimeType=.*image/png' "$prefix/share/applications/pixmo3.desktop"
# Both languages: the launcher's texts, and an Italian paragraph for each of the description's.
grep -q '^Comment\[it\]=' "$prefix/share/applications/pixmo3.desktop"
metainfo="$prefix/share/metainfo/io.github.pixmo3.Pixmo3.metainfo.xml"
[ "$(grep -c '<p xml:lang="it">' "$metainfo")" -eq "$(grep -c '<p>' "$metainfo")" ] ||
  { echo "AppStream description: a paragraph without its Italian"; exit 1; }
"$prefix/bin/pixmo3-convert" --help | grep -q "pixmo3-convert IN OUT"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/pixmo3.desktop"
else
  echo "desktop-file-validate not installed (desktop-file-utils): not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/io.github.pixmo3.Pixmo3.metainfo.xml"
else
  echo "appstreamcli not installed (appstream): not validated"
fi
# The installed program starts and shows its window (its help and icon are inside it).
QT_QPA_PLATFORM=offscreen PIXMO3_INI="$prefix/test.ini" PIXMO3_STARTUP_TIMING=1 \
  timeout 10 "$prefix/bin/pixmo3" 2>"$prefix/start.log" &
started=
for _ in $(seq 50); do
  grep -q "window shown" "$prefix/start.log" 2>/dev/null && { started=1; break; }
  sleep 0.2
done
kill %1 2>/dev/null || true
wait || true
[ -n "$started" ] || { echo "the installed program did not start"; cat "$prefix/start.log"; exit 1; }
echo "install tree ok"

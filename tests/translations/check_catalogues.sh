#!/bin/sh
# The catalogues are up to date with the code: lupdate, run on copies, finds no text without
# its translation (unfinished) and none the code no longer has (vanished, obsolete).
set -eu
lupdate=$1
src=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$src/translations/pixmo3_it.ts" "$src/translations/pixmo3_en.ts" "$tmp/"
"$lupdate" -I "$src" -locations none -tr-function-alias QT_TRANSLATE_NOOP+=PIXMO_TRANSLATE_NOOP,QT_TRANSLATE_NOOP+=PIXMO_MSG "$@" \
  -ts "$tmp/pixmo3_it.ts" "$tmp/pixmo3_en.ts" >/dev/null
status=0
for ts in "$tmp"/*.ts; do
  name=$(basename "$ts")
  if grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$ts" | grep '<source>'; then
    echo "$name: the entries above are untranslated or no longer in the code (ninja update_translations)"
    status=1
  fi
done
exit $status

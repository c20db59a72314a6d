#!/usr/bin/env bash
# The committed bitmaps of the main program, and the resource lines and ids
# that name its faces, and the Today item's icon strips, weather icons and
# pop-up faces are what make_bitmaps.pl draws.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
perl "$root/resources/make_bitmaps.pl" "$out"
status=0
for file in toolbar.bmp ok.bmp quillon.ico faces.rc faces.h Glimmor12.bmp Glimmor16.bmp \
            Glimmor16W.bmp Glimmor32W.bmp GlimmorButtons.bmp GlimmorMarks.bmp; do
  if ! cmp -s "$out/$file" "$root/resources/$file"; then
    echo "resources/$file differs from what make_bitmaps.pl draws; run: perl resources/make_bitmaps.pl resources"
    status=1
  fi
done
if ! diff -r -q "$out/faces" "$root/resources/faces"; then
  echo "resources/faces differs from what make_bitmaps.pl draws; run: perl resources/make_bitmaps.pl resources"
  status=1
fi
exit $status

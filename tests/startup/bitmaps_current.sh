#!/usr/bin/env bash
# The committed bitmaps (the main program's and the Today item's icon
# strips) are what make_bitmaps.pl draws.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
perl "$root/resources/make_bitmaps.pl" "$out"
status=0
for file in toolbar.bmp ok.bmp quillon.ico Glimmor12.bmp Glimmor16.bmp; do
  if ! cmp -s "$out/$file" "$root/resources/$file"; then
    echo "resources/$file differs from what make_bitmaps.pl draws; run: perl resources/make_bitmaps.pl resources"
    status=1
  fi
done
exit $status

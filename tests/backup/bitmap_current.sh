#!/usr/bin/env bash
# The committed face of the backup dialog's Cancel button is what
# make_bitmaps.pl draws.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
perl "$root/resources/make_bitmaps.pl" "$out"
if ! cmp -s "$out/cancel.bmp" "$root/resources/cancel.bmp"; then
  echo "resources/cancel.bmp differs from what make_bitmaps.pl draws; run: perl resources/make_bitmaps.pl resources"
  exit 1
fi

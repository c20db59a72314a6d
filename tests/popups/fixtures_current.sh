#!/usr/bin/env bash
# The weather feed fixtures are what make_weather_feed.pl writes from its
# table, and the Today item's weather icons and pop-up faces are what
# make_bitmaps.pl draws.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
perl "$root/platform/standins/make_weather_feed.pl" 2024-05-07 >"$out/feed"
perl "$root/platform/standins/make_weather_feed.pl" --dat 2024-05-07 >"$out/dat"
for pair in "feed weather-2024-05-07.feed" "dat weather-2024-05-07.dat"; do
  set -- $pair
  if ! cmp -s "$out/$1" "$root/tests/popups/$2"; then
    echo "tests/popups/$2 differs from what make_weather_feed.pl writes"
    status=1
  fi
done
perl "$root/resources/make_bitmaps.pl" "$out"
for file in Glimmor16W.bmp Glimmor32W.bmp GlimmorButtons.bmp GlimmorMarks.bmp; do
  if ! cmp -s "$out/$file" "$root/resources/$file"; then
    echo "resources/$file differs from what make_bitmaps.pl draws; run: perl resources/make_bitmaps.pl resources"
    status=1
  fi
done
exit $status

#!/usr/bin/env bash
# The weather feed fixtures are what make_weather_feed.pl writes from its
# table.
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
exit $status

#!/usr/bin/env bash
# tools/run on a machine without a display leaves screenshots of the device
# screen: 240 x 320, showing the main window, not a black screen.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
device="$QUILLON_BUILD/testruns/run_screenshot/device"
rm -rf "$QUILLON_BUILD/testruns/run_screenshot"
mkdir -p "$QUILLON_BUILD/testruns/run_screenshot"
env -u DISPLAY "$root/tools/run" --no-build --device "$device" --seconds 10 || { echo "tools/run failed"; exit 1; }
shot=$(ls "$device-screens"/*.png 2>/dev/null | tail -n 1)
[ -n "$shot" ] || { echo "no screenshot in $device-screens"; exit 1; }
size=$(identify -format '%wx%h' "$shot")
[ "$size" = "240x320" ] || { echo "screenshot is $size, not 240x320"; exit 1; }
# The main window's title band is on the screen, and the screen is not one colour.
band=$(convert "$shot" -fill black +opaque 'rgb(16,44,99)' -fill white -opaque 'rgb(16,44,99)' \
       -format '%[fx:int(mean*w*h+0.5)]' info:)
colours=$(convert "$shot" -format '%k' info:)
echo "band pixels: $band, colours: $colours"
[ "$band" -ge 1000 ] || { echo "the main window's title band is not drawn"; exit 1; }
[ "$colours" -ge 3 ] || { echo "the screen is blank"; exit 1; }
echo "run screenshot: passed ($shot)"

#!/usr/bin/env bash
# The device's zone and start time come from its profile (or the run's
# environment) for every program run on it: Korea's zone when the profile
# names none.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$QUILLON_BUILD/testruns/device_zone"
device="$run/dev"
rm -rf "$run"
mkdir -p "$run"
"$root/tools/device" make "$device" >"$run/make.out" 2>&1 || { cat "$run/make.out"; exit 1; }
cp "$QUILLON_BUILD/bin/clock_probe.exe" "$device/Windows/"

probe() {  # the probe's line, without the process id
  : >"$device.log"
  "$root/tools/device" exec "$device" --seconds 60 'D:\Windows\clock_probe.exe' >"$run/probe.out" 2>&1 \
    || { cat "$run/probe.out"; echo "the probe failed"; exit 1; }
  sed -n 's/^\[[0-9]*\] ClockProbe: //p' "$device.log" | head -n1
}
expect() {  # expect WHAT PATTERN LINE
  case "$3" in $2) echo "ok: $1 ($3)" ;; *) echo "FAILED: $1: got '$3'"; exit 1 ;; esac
}

# No zone in the profile: Korea's.
sed -i '/^Zone=/d' "$device.ini"
expect "no zone" "* bias -540" "$(probe)"

# The profile's zone and posed time.
printf '\n[Clock]\nZone=America/New_York\nTime=2030-01-15 08:30:00\n' >>"$device.ini"
expect "New York in winter" "2030-01-15 08:3[0-9]:* bias 300" "$(probe)"

# The run's environment over the profile.
expect "environment" "2031-07-04 12:0[0-9]:* bias -540" \
  "$(QUILLON_DEVICE_ZONE=Asia/Seoul QUILLON_DEVICE_TIME='2031-07-04 12:00:00' probe)"

# An unknown zone is an error, not a silent default.
sed -i 's/^Zone=.*/Zone=Nowhere\/Atlantis/' "$device.ini"
"$root/tools/device" exec "$device" --seconds 30 'D:\Windows\clock_probe.exe' >"$run/bad.out" 2>&1 \
  && { echo "FAILED: an unknown zone ran"; exit 1; }
grep -q "unknown time zone 'Nowhere/Atlantis'" "$run/bad.out" || { cat "$run/bad.out"; echo "FAILED: no message"; exit 1; }
echo "device zone: passed"

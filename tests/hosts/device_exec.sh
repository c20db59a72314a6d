#!/usr/bin/env bash
# tools/device exec runs a program beside one already running on the device:
# the second exec works, and its end stops nothing under the first.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$QUILLON_BUILD/testruns/device_exec"
device="$run/dev"
rm -rf "$run"
mkdir -p "$run"
"$root/tools/device" make "$device" >"$run/make.out" 2>&1 || { cat "$run/make.out"; exit 1; }
cp "$QUILLON_BUILD/bin/clock_probe.exe" "$device/Windows/"
probes() { grep -c 'ClockProbe:' "$device.log"; }

# The first: a probe that logs the time for 40 s.
"$root/tools/device" exec "$device" --seconds 60 'D:\Windows\clock_probe.exe' 40 >"$run/first.out" 2>&1 &
first=$!
for i in $(seq 1 120); do
  [ "$(probes)" -gt 0 ] && break
  sleep 0.5
done
[ "$(probes)" -gt 0 ] || { kill $first; cat "$run/first.out"; echo "the first program never came up"; exit 1; }

# The second, beside it, runs to its end.
"$root/tools/device" exec "$device" --seconds 60 'D:\Windows\Notes.exe' second >"$run/second.out" 2>&1
rc=$?
[ $rc -eq 0 ] || { cat "$run/second.out"; echo "the second exec failed with $rc"; kill $first; exit 1; }
grep -q 'Standin Notes.exe: command line .*second' "$device.log" || { echo "the second program did not run"; kill $first; exit 1; }

# The first still runs and logs.
seen=$(probes)
sleep 3
kill -0 $first 2>/dev/null || { cat "$run/first.out"; echo "the first program ended with the second"; exit 1; }
[ "$(probes)" -gt "$seen" ] || { echo "the first program stopped logging"; kill $first; exit 1; }
kill $first
wait $first 2>/dev/null
echo "device exec: passed"

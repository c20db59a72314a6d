#!/usr/bin/env bash
# A soft reset asked for on the device makes tools/run end the device's
# programs and start them again: the profile's phone application comes up a
# second time, and so does the main program.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$QUILLON_BUILD/testruns/run_reset"
device="$run/device"
rm -rf "$run"
mkdir -p "$run"
env -u DISPLAY "$root/tools/run" --no-build --device "$device" --profile hp-rw6100 --seconds 300 >"$run/run.out" 2>&1 &
runner=$!
ready_count() { local n; n=$(grep -c 'Standin HP Phone: ready' "$device.log" 2>/dev/null); echo "${n:-0}"; }

# Once the phone application is up, the device asks for a reset, as the
# reset tool or the setup hooks do.
for i in $(seq 1 240); do
  [ "$(ready_count)" -ge 1 ] && break
  sleep 0.5
done
[ "$(ready_count)" -ge 1 ] || { kill $runner; wait $runner; cat "$run/run.out"; echo "the phone application never came up"; exit 1; }
echo "[1] CeReset: soft reset requested by Snapkit.exe" >>"$device.log"

# The phone comes up again, then the Today screen and the main program.
quillon_starts() { local n; n=$(grep -cE 'run: (starting Quillon|the Today item starts Quillon)' "$run/run.out" 2>/dev/null); echo "${n:-0}"; }
for i in $(seq 1 240); do
  [ "$(ready_count)" -ge 2 ] && [ "$(quillon_starts)" -ge 2 ] && break
  sleep 0.5
done
sleep 1
kill -TERM $runner
wait $runner
rc=$?
cat "$run/run.out"
[ $rc -eq 130 ] || { echo "tools/run ended with $rc, not as stopped (130)"; exit 1; }
grep -q 'restarting its programs' "$run/run.out" || { echo "tools/run did not see the reset request"; exit 1; }
# The first start may be the Today item's, on the setup hooks' first-run marker.
[ "$(quillon_starts)" -eq 2 ] \
  || { echo "Quillon was not started again"; exit 1; }
ready=$(ready_count)
[ "$ready" -eq 2 ] || { echo "the phone application came up $ready time(s), not twice"; exit 1; }
echo "run reset: passed"

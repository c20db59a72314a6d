#!/usr/bin/env bash
# Runs two probes at once, each in a device of its own; neither may see the
# other's files, registry or screen.
set -u
probe=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
QUILLON_TEST_NAME=isolation_a "$root/tools/wine-test" "$probe" a b >"$QUILLON_BUILD/isolation_a.out" 2>&1 &
a=$!
QUILLON_TEST_NAME=isolation_b "$root/tools/wine-test" "$probe" b a >"$QUILLON_BUILD/isolation_b.out" 2>&1 &
b=$!
wait $a; rc_a=$?
wait $b; rc_b=$?
cat "$QUILLON_BUILD/isolation_a.out" "$QUILLON_BUILD/isolation_b.out"
[ $rc_a -eq 0 ] && [ $rc_b -eq 0 ] || { echo "isolation: FAILED (a=$rc_a b=$rc_b)"; exit 1; }
for t in a b; do
  [ -f "$QUILLON_BUILD/testruns/isolation_$t/dev/Windows/iso-$t.txt" ] || { echo "isolation: probe $t left no file"; exit 1; }
done
echo "isolation: passed"

#!/usr/bin/env bash
# The committed icon of the soft-reset tool is what make_icon.pl draws.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
perl "$root/snapkit/make_icon.pl" "$out"
if ! cmp -s "$out/snapkit.ico" "$root/snapkit/snapkit.ico"; then
  echo "snapkit/snapkit.ico differs from what make_icon.pl draws; run: perl snapkit/make_icon.pl snapkit"
  exit 1
fi

#!/usr/bin/env bash
# tools/run from a fresh device: the package goes in through the installer
# host, the Today item is registered, the Today screen comes up (its
# screenshot first), then the main program. Run again on that device with
# the test item registered, the Today screen shows it.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$QUILLON_BUILD/testruns/run_today"
device="$run/device"
rm -rf "$run"
mkdir -p "$run"
fail() { echo "FAILED: $*"; exit 1; }

env -u DISPLAY "$root/tools/run" --no-build --device "$device" --seconds 8 >"$run/first.out" 2>&1 \
  || { cat "$run/first.out"; fail "tools/run failed"; }
cat "$run/first.out"
for line in 'installing the package through the installer host' 'starting the Today screen'; do
  grep -q "run: $line" "$run/first.out" || fail "no '$line'"
done
# Quillon starts: by tools/run, or by the Today item on the first-run marker.
grep -qE 'run: (starting Quillon|the Today item starts Quillon)' "$run/first.out" || fail "Quillon was not started"
# The setup hooks ran: their box answered, both Start-menu links made; their
# reset request came before the programs and restarted nothing.
grep -qF 'InstallerHost: box "알림": "Vestamor 다이어리가 설치되었습니다." answered 1' "$device.log" \
  || fail "the setup hooks' box was not shown"
for link in 'Vestamor 다이어리' 'Vestamor 소프트리셋'; do
  [ -f "$device/Windows/시작 메뉴/프로그램/$link.lnk" ] || fail "no link $link"
done
grep -q 'CeReset: soft reset requested by InstallerHost.exe' "$device.log" || fail "the setup hooks asked for no reset"
grep -q 'restarting its programs' "$run/first.out" && fail "the install's reset restarted the programs"
grep -q 'InstallerHost: installed Quillon' "$device.log" || fail "the installer host did not install"
[ -f "$device/Program Files/Quillon/Quillon.exe" ] || fail "Quillon.exe was not placed"
grep -q 'TodayHost: ready' "$device.log" || fail "the Today screen did not come up"
grep -qF '[Software\\Microsoft\\Today\\Items\\"Glimmor"]' "$device.prefix/system.reg" \
  || fail "the Today item is not registered"
shots=$(ls "$device-screens"/*.png 2>/dev/null | wc -l)
[ "$shots" -ge 2 ] || fail "$shots screenshot(s)"
[ "$(identify -format '%wx%h' "$device-screens/screen-0001.png")" = 240x320 ] || fail "the screenshots are not 240x320"

# The test item on the same device: the Today screen shows it.
cp "$QUILLON_BUILD/bin/TestItem.dll" "$device/Windows/"
cat >>"$device.prefix/system.reg" <<'REG'

[Software\\Microsoft\\Today\\Items\\Demo] 1733788800
"DLL"="\\Windows\\TestItem.dll"
"Enabled"=dword:00000001
"Options"=dword:00000000
"Selectability"=dword:00000002
"TestHeight"=dword:00000050
"Type"=dword:00000004
REG
rm -rf "$device-screens"
env -u DISPLAY "$root/tools/run" --no-build --device "$device" --seconds 6 >"$run/second.out" 2>&1 \
  || { cat "$run/second.out"; fail "tools/run failed on the used device"; }
grep -q 'run: reusing the device' "$run/second.out" || fail "the device was not reused"
grep -q 'run: installing' "$run/second.out" && fail "a used device was installed again"
grep -q 'TestItem Demo: size 240x80' "$device.log" || fail "the test item was not shown"
# The first screenshot is the Today screen: the item's grey frame is on it,
# under the Today item of the package.
frame=$(convert "$device-screens/screen-0001.png" -fill black +opaque 'rgb(128,128,128)' \
        -fill white -opaque 'rgb(128,128,128)' -format '%[fx:int(mean*w*h+0.5)]' info:)
[ "$frame" -ge 400 ] || fail "the Today screen shows no item frame ($frame grey pixels)"
echo "run today: passed"

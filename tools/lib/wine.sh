# Wine helpers shared by tools/run, tools/test and tools/wine-test (sourced).
#
# A device run is a device folder D plus files beside it:
#   D            the device's own namespace, mapped as drive D: of the prefix
#   D.ini        the device profile (OEM text, CE version, power, memory, cards, screen)
#   D.log        the device's debug log (what the system prints, the platform records)
#   D.clock      the device clock's offset from this machine's (see qw_clock_start)
#   D.prefix/    the Wine prefix copy of this run
#   D-screens/   screenshots taken by tools/run

: "${QUILLON_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
: "${QUILLON_BUILD:=$QUILLON_ROOT/build}"
QW_TEMPLATE="$QUILLON_BUILD/wine/template"
QW_DRIVE="d:"

qw_die() { echo "wine: error: $*" >&2; exit 1; }

# The environment of every Wine process of ours.
qw_env() {
  export LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64
  unset WINESERVER
}

# A Windows path for a Unix path, through drive Z: (which maps "/").
qw_winpath() { printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; }

qw_template_stamp() {
  { wine --version; sha256sum "$QUILLON_ROOT/tools/lib/template.reg"; } 2>/dev/null | sha256sum | cut -c1-16
}

# Creates the template prefix once (about 10 s); later calls return at once.
qw_ensure_template() {
  local stamp; stamp=$(qw_template_stamp)
  [ -f "$QW_TEMPLATE/.quillon-stamp" ] && [ "$(cat "$QW_TEMPLATE/.quillon-stamp")" = "$stamp" ] && return 0
  mkdir -p "$(dirname "$QW_TEMPLATE")"
  (
    flock -w 300 9 || qw_die "timed out waiting for the template lock"
    [ -f "$QW_TEMPLATE/.quillon-stamp" ] && [ "$(cat "$QW_TEMPLATE/.quillon-stamp")" = "$stamp" ] && exit 0
    echo "wine: creating the template prefix (once)"
    rm -rf "$QW_TEMPLATE"
    qw_env
    export WINEPREFIX="$QW_TEMPLATE"
    timeout 180 wineboot -i >"$QUILLON_BUILD/wine/template.log" 2>&1 \
      || qw_die "wineboot failed, see $QUILLON_BUILD/wine/template.log"
    local reg="$QUILLON_BUILD/wine/template-utf16.reg"
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$QUILLON_ROOT/tools/lib/template.reg"; } >"$reg"
    timeout 60 wine regedit /S "$(qw_winpath "$reg")" >>"$QUILLON_BUILD/wine/template.log" 2>&1 \
      || qw_die "importing template.reg failed"
    timeout 60 wineserver -w || qw_die "wineserver did not end after the template was made"
    echo "$stamp" >"$QW_TEMPLATE/.quillon-stamp"
  ) 9>"$(dirname "$QW_TEMPLATE")/template.lock"
}

# qw_prefix_copy DEST: drive_c hard-linked, registry and drive links real copies.
qw_prefix_copy() {
  local dest=$1
  rm -rf "$dest"
  mkdir -p "$dest"
  cp -al "$QW_TEMPLATE/drive_c" "$dest/drive_c"
  cp "$QW_TEMPLATE"/*.reg "$dest/"
  cp -a "$QW_TEMPLATE/dosdevices" "$dest/dosdevices"
  # The template is up to date; under a posed clock Wine would take the
  # shifted file times for a newer Wine and rebuild the prefix.
  echo disable >"$dest/.update-timestamp"
}

# qw_map_device PREFIX DEVICE: the device folder becomes drive D:.
qw_map_device() {
  ln -sfn "$(readlink -f "$2")" "$1/dosdevices/$QW_DRIVE"
}

# qw_set_screen PREFIX WxH: the virtual desktop takes the device's screen size.
qw_set_screen() {
  sed -i "s/^\"Default\"=\"[0-9]*x[0-9]*\"/\"Default\"=\"$2\"/" "$1/user.reg"
}

# qw_xvfb_start WxH: starts a private X screen, sets DISPLAY and QW_XVFB_PID.
qw_xvfb_start() {
  local size=$1 fdfile; fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
  QW_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    kill -0 "$QW_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  [ -s "$fdfile" ] || { rm -f "$fdfile"; qw_die "Xvfb did not start"; }
  export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
  rm -f "$fdfile"
}

qw_xvfb_stop() {
  [ -n "${QW_XVFB_PID:-}" ] && kill "$QW_XVFB_PID" 2>/dev/null && wait "$QW_XVFB_PID" 2>/dev/null
  QW_XVFB_PID=""
}

# qw_server_start PREFIX / qw_server_stop PREFIX: one wineserver per prefix copy.
qw_server_start() {
  WINEPREFIX="$1" wineserver -p >/dev/null 2>&1 </dev/null
}

# qw_server_join PREFIX: the server of a device that may already run one.
qw_server_join() {
  WINEPREFIX="$1" wineserver -p5 >/dev/null 2>&1 </dev/null || true
}

qw_server_stop() {
  WINEPREFIX="$1" timeout 20 wineserver -k >/dev/null 2>&1 </dev/null
  WINEPREFIX="$1" timeout 20 wineserver -w >/dev/null 2>&1 </dev/null || true
}

# qw_device_env DEVICE PREFIX: what a device process needs to find its device.
qw_device_env() {
  local device=$1 prefix=$2
  QW_DEVICE=$(readlink -f "$device")
  export WINEPREFIX; WINEPREFIX=$(readlink -f "$prefix")
  export WINEPATH='D:\Windows'
  export QUILLON_DEVICE_PROFILE; QUILLON_DEVICE_PROFILE=$(qw_winpath "$device.ini")
  export QUILLON_DEVICE_LOG;     QUILLON_DEVICE_LOG=$(qw_winpath "$device.log")
  qw_clock_start "$device"
}

# qw_profile_value DEVICE SECTION KEY: a value of the device's profile.
qw_profile_value() {
  awk -v section="[$2]" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = ($0 == section); next }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
  ' "$1.ini" 2>/dev/null
}

# The device's clock and time zone, for every device process (not for the
# wineserver, which keeps this machine's time: it only times its waits).
#   D.clock  the device clock's offset from this machine's clock, "+N" or "-N"
#            seconds. Every device process reads it afresh at each time call,
#            so a test moves the clock of all of them at once
#            (tests/support/device_clock.h). "+0" unless posed.
# The zone is the profile's [Clock] Zone (a tz name; Asia/Seoul when absent)
# or QUILLON_DEVICE_ZONE. The profile's [Clock] Time or QUILLON_DEVICE_TIME
# ("YYYY-MM-DD HH:MM:SS", the device's local time) poses the clock whenever
# the device starts. Sets QW_CLOCK_ENV, the environment of a device process.
QW_FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1
QW_DEFAULT_ZONE=Asia/Seoul
qw_clock_start() {
  local device=$1 zone posed target
  zone=${QUILLON_DEVICE_ZONE:-$(qw_profile_value "$device" Clock Zone)}
  zone=${zone:-$QW_DEFAULT_ZONE}
  [ -f "/usr/share/zoneinfo/$zone" ] || qw_die "unknown time zone '$zone' (profile $device.ini)"
  [ -f "$QW_FAKETIME_LIB" ] || qw_die "no $QW_FAKETIME_LIB (tools/setup installs faketime)"
  posed=${QUILLON_DEVICE_TIME:-$(qw_profile_value "$device" Clock Time)}
  if [ -n "$posed" ]; then
    target=$(TZ="$zone" date -d "$posed" +%s 2>/dev/null) || qw_die "device time '$posed' is not a date"
    printf '%+d\n' $(( target - $(date +%s) )) >"$device.clock.new" && mv -f "$device.clock.new" "$device.clock"
  elif [ ! -f "$device.clock" ]; then
    echo "+0" >"$device.clock"
  fi
  # The clock library's processes share one semaphore and memory of the
  # device's own, made here and kept: without it every process makes a pair
  # named after its pid, a killed one leaves its pair behind, and a later
  # process given the same pid cannot make its own and exits.
  local shared; shared=$(qw_clock_shared_objects "$device") || qw_die "cannot make the device clock's shared objects"
  QW_CLOCK_ENV=(TZ="$zone" LD_PRELOAD="$QW_FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$(readlink -f "$device.clock")"
                FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 FAKETIME_SHARED="$shared $shared")
  export QUILLON_DEVICE_CLOCK; QUILLON_DEVICE_CLOCK=$(qw_winpath "$device.clock")
}

qw_clock_shared_name() {
  echo "quillon-clock-$(readlink -f "$1" | cksum | cut -d' ' -f1)"
}

# qw_clock_forget DEVICE: drops the device clock's semaphore and memory. A
# process killed inside a time call leaves the semaphore taken, and every
# later process of a device made at that path would wait on it for ever.
qw_clock_forget() {
  local name; name=$(qw_clock_shared_name "$1")
  rm -f "/dev/shm/sem.$name" "/dev/shm/$name"
}

# qw_clock_shared_objects DEVICE: prints the name of the device's clock
# semaphore and memory (one name for both), making them when missing.
qw_clock_shared_objects() {
  local name; name=$(qw_clock_shared_name "$1")
  if [ ! -e "/dev/shm/sem.$name" ]; then
    python3 - "/$name" <<'EOF' || return 1
import ctypes, os, sys
libc = ctypes.CDLL(None, use_errno=True)
libc.sem_open.restype = ctypes.c_void_p
libc.sem_open.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.c_uint, ctypes.c_uint]
sem = libc.sem_open(sys.argv[1].encode(), os.O_CREAT, 0o600, 1)
if not sem:
    sys.exit(1)
libc.sem_close(ctypes.c_void_p(sem))
EOF
  fi
  [ -s "/dev/shm/$name" ] || head -c 4096 /dev/zero >"/dev/shm/$name" || return 1
  echo "/$name"
}

# qw_device_exec SECONDS PROGRAM ARGS...: runs a program with its current
# directory on the device drive (the device folder's root), under a time
# limit, on the device's clock.
qw_device_exec() {
  local seconds=$1; shift
  (cd "$QW_DEVICE" && exec timeout -k 5 "$seconds" env "${QW_CLOCK_ENV[@]}" wine "$@")
}

# qw_make_device DEVICE PROFILE [LIST...]: a fresh device folder with the
# files of the lists (tools/lib/, the platform's and the package's by
# default) installed, its profile beside it, and a prefix copy that maps it
# as D:.
qw_make_device() {
  local device=$1 profile=$2; shift 2
  local profile_file="$QUILLON_ROOT/tools/lib/profiles/$profile.ini"
  [ -f "$profile_file" ] || qw_die "no device profile '$profile' ($profile_file)"
  rm -rf "$device" "$device.prefix" "$device-screens"
  rm -f "$device.log" "$device.clock"
  qw_clock_forget "$device"
  mkdir -p "$device/Windows/시작 메뉴/프로그램" "$device/My Documents/서식 파일" \
           "$device/Program Files/Quillon" "$device/Storage Card" "$device/File Store" "$device/Temp"
  cp "$profile_file" "$device.ini"
  : >"$device.log"
  qw_install_files "$device" "$@"
  qw_ensure_template
  qw_prefix_copy "$device.prefix"
  qw_map_device "$device.prefix" "$device"
  qw_set_screen "$device.prefix" "$(qw_profile_screen "$device")"
  qw_install_registry "$device.prefix"
}

QW_PLATFORM_LIST=device-platform.txt
QW_PACKAGE_LIST=device-install.txt
# The phone's own software, on devices whose profile has the nate phone.
QW_NATE_LIST=device-install-nate.txt

# qw_install_files DEVICE [LIST...]: the files of the lists (tools/lib/; the
# platform's and the package's by default) in their device folders.
qw_install_files() {
  local device=$1 list file dir; shift
  local lists=("$@")
  if [ ${#lists[@]} -eq 0 ]; then
    lists=("$QW_PLATFORM_LIST")
    qw_device_has_nate_phone "$device" && lists+=("$QW_NATE_LIST")
    lists+=("$QW_PACKAGE_LIST")
  fi
  local variants source
  variants=$(qw_package_variants "$device")
  for list in "${lists[@]}"; do
    while read -r file dir; do
      case "$file" in ''|'#'*) continue ;; esac
      source=$(qw_package_source "$file" $variants)
      [ -f "$source" ] || qw_die "the build has no $file (tools/lib/$list)"
      mkdir -p "$device/$dir"
      rm -f "$device/$dir/$(basename "$file")"
      cp -l "$source" "$device/$dir/" 2>/dev/null || cp "$source" "$device/$dir/"
    done < <(sed 's/[[:space:]]\+/ /' "$QUILLON_ROOT/tools/lib/$list")
  done
}

# qw_package_variants DEVICE: the build folders (under bin/) whose files
# stand in for the package's on this device, the first that has a file
# winning: the Windows CE 3.0 builds on a profile of CE 3 or older, the
# phone-linked main program when it also has the nate phone.
qw_package_variants() {
  local major
  major=$(sed -n 's/^CeMajorVersion=\([0-9]*\).*/\1/p' "$1.ini" 2>/dev/null | head -n1)
  if [ "${major:-5}" -le 3 ]; then
    qw_device_has_nate_phone "$1" && echo ce3-phone
    echo ce3
  fi
}

# qw_package_source FILE [VARIANT...]: the built file that FILE of a list is
# for a device with those variants.
qw_package_source() {
  local file=$1 variant; shift
  for variant in "$@"; do
    if [ -f "$QUILLON_BUILD/bin/$variant/$file" ]; then
      echo "$QUILLON_BUILD/bin/$variant/$file"
      return
    fi
  done
  echo "$QUILLON_BUILD/bin/$file"
}

# qw_stage_package DEVICE: the package's files as this device gets them, in
# the folder "$DEVICE.package" with their list "list.txt" there, for the
# installer host.
qw_stage_package() {
  local device=$1 stage="$1.package" file dir source variants
  variants=$(qw_package_variants "$device")
  rm -rf "$stage"
  mkdir -p "$stage"
  while read -r file dir; do
    case "$file" in ''|'#'*) continue ;; esac
    source=$(qw_package_source "$file" $variants)
    [ -f "$source" ] || qw_die "the build has no $file (tools/lib/$QW_PACKAGE_LIST)"
    cp -l "$source" "$stage/" 2>/dev/null || cp "$source" "$stage/"
    echo "$(basename "$file") $dir" >>"$stage/list.txt"
  done < <(sed 's/[[:space:]]\+/ /' "$QUILLON_ROOT/tools/lib/$QW_PACKAGE_LIST")
}

# The screen size "WxH" of a device's profile.
qw_profile_screen() {
  local w h
  w=$(sed -n 's/^ScreenWidth=\([0-9]*\).*/\1/p' "$1.ini" | head -n1)
  h=$(sed -n 's/^ScreenHeight=\([0-9]*\).*/\1/p' "$1.ini" | head -n1)
  echo "${w:-240}x${h:-320}"
}

# The values an installation package leaves in the registry (no deliverable
# writes them). Appended to the copy's machine hive before its server starts.
qw_install_registry() {
  cat >>"$1/system.reg" <<'REG'

[Software\\Vestamor_Quillon] 1733788800
"Quillon Icon"="Glimmor"
"Quillon InstallDir"="\\Program Files\\Quillon"
REG
}

# Whether a device's profile has the nate phone ([Phone] App=nate).
qw_device_has_nate_phone() {
  grep -q '^App=nate' "$1.ini" 2>/dev/null
}

#!/usr/bin/env bash
# A build folder whose configure failed (a cache, no build files) is
# configured again by the next build instead of failing it for good.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work="$QUILLON_BUILD/testruns/build_reconfigure"
rm -rf "$work"
mkdir -p "$work/source/cmake" "$work/build"
# A project that configures only once its switch file is there.
cat >"$work/source/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(reconfigure NONE)
if(NOT EXISTS "${CMAKE_SOURCE_DIR}/ready")
  message(FATAL_ERROR "not ready")
endif()
add_custom_target(done ALL COMMAND ${CMAKE_COMMAND} -E touch "${CMAKE_BINARY_DIR}/done")
CMAKE
: >"$work/source/cmake/toolchain-mingw64.cmake"
source "$root/tools/lib/build.sh"

qb_build "$work/source" "$work/build" >"$work/first.out" 2>&1 && { echo "the first configure should fail"; exit 1; }
[ -f "$work/build/CMakeCache.txt" ] || { echo "the failed configure left no cache"; exit 1; }
touch "$work/source/ready"
qb_build "$work/source" "$work/build" >"$work/second.out" 2>&1 || { cat "$work/second.out"; echo "the second build failed"; exit 1; }
grep -q "build: configuring" "$work/second.out" || { echo "the second build did not configure again"; exit 1; }
[ -f "$work/build/done" ] || { echo "the second build built nothing"; exit 1; }
echo "build reconfigure: passed"

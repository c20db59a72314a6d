# Configure and build (sourced by tools/test and tools/run).
qb_build() {
  local root=$1 build=$2
  # A configure that failed leaves a cache but no build files: configure again.
  if [ ! -f "$build/CMakeCache.txt" ] || [ ! -f "$build/build.ninja" ]; then
    echo "build: configuring $build"
    cmake -S "$root" -B "$build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" >"$build/configure.log" 2>&1 \
      || { cat "$build/configure.log" >&2; echo "build: error: configure failed" >&2; return 1; }
  fi
  echo "build: building"
  cmake --build "$build" -j "$(nproc)" >"$build/build.log" 2>&1 \
    || { tail -n 60 "$build/build.log" >&2; echo "build: error: build failed (full log: $build/build.log)" >&2; return 1; }
}

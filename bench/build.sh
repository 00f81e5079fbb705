# shellcheck shell=bash
# Building for bench/run (sourced by it): the Linux program with the frame benchmarks and the X
# probe, its naive variant, and where mingw-w64 and Wine are at hand both Windows programs.
# Sets PERF, NAIVE, WIN and WIN_NAIVE to their build trees, and WINE_OK when Windows is measured.

build() {  # <build dir> <targets> -- <configure arguments>
  local dir=$1 targets=$2
  shift 3
  log "building $targets in ${dir#"$ROOT"/}"
  # Configured every time: a directory the presets share (build/windows) must be measured as
  # this script builds it.
  local generator=(-G Ninja)
  [ -f "$dir/CMakeCache.txt" ] && generator=()
  cmake -S "${SRC:-$ROOT}" -B "$dir" "${generator[@]}" "$@" >"$WORK/cmake.log" 2>&1 \
    || { cat "$WORK/cmake.log" >&2; exit 1; }
  # shellcheck disable=SC2086
  cmake --build "$dir" --target $targets >"$WORK/build.log" 2>&1 || { tail -n 40 "$WORK/build.log" >&2; exit 1; }
}

build_all() {
  "$ROOT/scripts/install-deps"
  export CMAKE_BUILD_PARALLEL_LEVEL=$JOBS
  PERF=$ROOT/build/perf NAIVE=$ROOT/build/naive
  build "$PERF" "corvanta corvanta-idle-watch frame_bench frame_bench_naive x_probe" -- \
    -DCMAKE_BUILD_TYPE=Release -DCORVANTA_QT=ON
  if [ -n "${BENCH_BASELINE:-}" ]; then
    # The earlier program, drawn as it drew then, from a copy of that commit's files.
    local src=$SCRATCH/baseline-src
    rm -rf "$src" && mkdir -p "$src"
    git -C "$ROOT" archive "$BENCH_BASELINE" | tar -x -C "$src"
    NAIVE=$SCRATCH/baseline
    SRC=$src build "$NAIVE" "corvanta" -- -DCMAKE_BUILD_TYPE=Release -DCORVANTA_QT=ON \
      -DCORVANTA_TESTS=OFF
  else
    build "$NAIVE" "corvanta" -- -DCMAKE_BUILD_TYPE=Release -DCORVANTA_QT=ON -DCORVANTA_NAIVE_DRAW=ON \
      -DCORVANTA_TESTS=OFF
  fi

  WIN=$ROOT/build/windows WIN_NAIVE=$ROOT/build/windows-naive
  WINE_OK=""
  if ! want wine; then
    :
  elif command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then
    # Size-optimised, as the Windows preset builds what ships.
    local toolchain=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake"
                     -DCMAKE_BUILD_TYPE=MinSizeRel -DCORVANTA_WIN32=ON)
    build "$WIN" "corvanta" -- "${toolchain[@]}"
    build "$WIN_NAIVE" "corvanta" -- "${toolchain[@]}" -DCORVANTA_NAIVE_DRAW=ON
    WINE_OK=yes
  else
    log "no mingw-w64 or no Wine: the Windows program is not measured"
  fi
}

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the fuzz targets of tests/fuzz in a configuration of their own
# (clang, libFuzzer, address and undefined-behaviour sanitizers, radiocore only).
#
#   fuzz.sh build DIR                 configures DIR once (CXX, default clang++), builds it
#   fuzz.sh run DIR NAME SECONDS      fuzzes bin/fuzz_NAME for SECONDS over its seeds;
#                                     what it learns is thrown away (the tests' smoke run)
#   fuzz.sh all DIR SECONDS           builds, then fuzzes every target in turn, one at a
#                                     time, keeping what each learns in DIR/corpus/NAME
#
# A crash, leak, undefined behaviour, broken property or an input slower than 10 s
# fails the run; the input that did it is kept as DIR/artifacts/NAME-*. Add it to
# corpus/NAME/ with the fix, so the tests replay it from then on.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

build() {
  local dir=$1
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja -DRADIOPROG_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER="${CXX:-clang++}"
  fi
  cmake --build "$dir" -j "${JOBS:-2}"
}

# run DIR NAME SECONDS [KEEP]: KEEP=1 adds what the run finds to DIR/corpus/NAME.
run() {
  local dir=$1 name=$2 seconds=$3 keep=${4:-0}
  local bin="$dir/bin/fuzz_$name" seeds="$here/corpus/$name" learnt
  [ -x "$bin" ] || { echo "fuzz.sh: $bin is missing; run 'fuzz.sh build $dir' first" >&2; return 2; }
  mkdir -p "$dir/artifacts"
  if [ "$keep" = 1 ]; then
    learnt="$dir/corpus/$name"
    mkdir -p "$learnt"
  else
    learnt=$(mktemp -d)
    trap 'rm -rf "$learnt"' RETURN
  fi
  local args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix="$dir/artifacts/$name-")
  if [ -f "$here/$name.dict" ]; then args+=(-dict="$here/$name.dict"); fi
  echo "fuzz.sh: $name for ${seconds}s"
  "$bin" "${args[@]}" "$learnt" "$seeds"
}

case "${1:-}" in
  build) build "$2" ;;
  run) run "$2" "$3" "$4" ;;
  all)
    build "$2"
    failed=()
    for bin in "$2"/bin/fuzz_*; do run "$2" "${bin##*/fuzz_}" "$3" 1 || failed+=("${bin##*/fuzz_}"); done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "fuzz.sh: failed: ${failed[*]} (inputs in $2/artifacts)" >&2
      exit 1
    fi
    ;;
  *)
    sed -n '2,13p' "$0" >&2
    exit 2
    ;;
esac

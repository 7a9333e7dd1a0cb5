#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (under AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the seconds given, starting from its seed
# corpus in tests/fuzz/corpus/<target>. New inputs that reach new code are merged into that
# corpus afterwards, unless --no-merge is given (the test command does not change the
# repository). Exits non-zero when a target finds a fault; the input that shows it is kept
# in build/fuzz/findings/.
#
#   tests/fuzz/run_fuzz.sh <seconds per target> [--no-merge]
set -euo pipefail
seconds=${1:?usage: run_fuzz.sh <seconds per target> [--no-merge]}
merge=1
[ "${2:-}" = "--no-merge" ] && merge=0
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/fuzz
targets=(bitmap palette pixel_grid cells wave)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRAMBLELEAP_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/findings"
status=0
for target in "${targets[@]}"; do
  corpus=$root/tests/fuzz/corpus/$target
  work=$build/work/$target
  log=$build/work/$target.log
  rm -rf "$work"
  mkdir -p "$work"
  # New inputs go into the scratch folder; the repository's corpus is only read.
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
       "$work" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    added=$(find "$work" -type f | wc -l)
    echo "fuzz $target: ${runs:-?} executions in ${seconds} s, no finding ($added new inputs)"
  else
    status=1
    echo "fuzz $target: FOUND A FAULT; the input is in $build/findings/"
    tail -n 60 "$log"
    continue
  fi
  if [ "$merge" = 1 ] && [ -n "$(ls -A "$work")" ]; then
    "$build/bin/fuzz_$target" -merge=1 "$corpus" "$work" >"$build/work/$target.merge.log" 2>&1
    echo "fuzz $target: corpus now $(find "$corpus" -type f | wc -l) files"
  fi
done
exit $status

# The loader fuzz targets (fuzz/), built with clang, libFuzzer and the
# address and undefined-behaviour sanitizers, each run for a bounded time
# from the committed corpus. Any crash, sanitizer report or failed
# expectation fails the stage; its input is kept in build/fuzz/artifacts.
set -euo pipefail
cd "$TRAILSET_ROOT"
build="$TRAILSET_ROOT/build/fuzz"
seconds="${TRAILSET_FUZZ_SECONDS:-25}"
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$TRAILSET_JOBS"

targets=(fuzz_menu_l0 fuzz_menu_l1 fuzz_menu_l2 fuzz_menu_l3
         fuzz_cfg_wifi fuzz_cfg_gps fuzz_cfg_module fuzz_cfg_plain)
mkdir -p "$build/artifacts"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in "${targets[@]}"; do
  # The run grows its own corpus from the committed one, which stays as it is.
  work="$build/corpus/$t"
  mkdir -p "$work"
  log="$build/$t.log"
  if ! "$build/$t" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 -print_final_stats=1 \
         -artifact_prefix="$build/artifacts/$t-" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$t: FAILED (input in $build/artifacts)"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  added=$(sed -n 's/^stat::new_units_added: *//p' "$log")
  cov=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | sed -E 's/.*cov: ([0-9]+).*/\1/')
  echo "$t: $runs executions in ${seconds} s, $added new inputs, $(ls "$work" | wc -l) in its corpus, coverage $cov edges"
done

# The whole native test suite again, built with the address and
# undefined-behaviour sanitizers.
set -euo pipefail
cd "$TRAILSET_ROOT"
cmake --preset asan -G Ninja >/dev/null
cmake --build --preset asan -j "$TRAILSET_JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --preset asan -j "$TRAILSET_JOBS"

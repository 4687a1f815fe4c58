# Native build and the whole native test suite (unit and window tests).
set -euo pipefail
cd "$TRAILSET_ROOT"
cmake --preset native -G Ninja >/dev/null
cmake --build --preset native -j "$TRAILSET_JOBS"
ctest --preset native -j "$TRAILSET_JOBS"

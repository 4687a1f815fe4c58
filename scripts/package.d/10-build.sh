# Builds what the packages hold: everything of the Release build for this
# machine (programs, icons, manual pages) and the two Windows programs.
set -euo pipefail
cd "$TRAILSET_ROOT"
cmake --build build/release -j "$TRAILSET_JOBS"
cmake --build build/mingw -j "$TRAILSET_JOBS" --target trailset trailset-cli

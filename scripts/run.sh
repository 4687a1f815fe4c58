#!/usr/bin/env bash
# Installs what is needed, builds trailset for this machine and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The program is a window: without a display there is nothing to show.
if [ "$(uname -s)" != Darwin ] && [ -z "${DISPLAY:-}" ]; then
  echo "trailset: no display available (DISPLAY is not set); run it in a graphical session" >&2
  exit 1
fi
# Only what building and running the program needs; the tests' tools are
# installed by scripts/test.sh.
"$root/scripts/setup.sh" build
cmake --preset release -G Ninja >/dev/null
cmake --build --preset release -j "$(nproc)" --target trailset
exec "$root/build/release/apps/trailset/trailset" "$@"

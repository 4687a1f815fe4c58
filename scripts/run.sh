#!/usr/bin/env bash
# Installs what is needed, builds trailset for this machine and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
cmake --preset native -G Ninja >/dev/null
cmake --build --preset native -j "$(nproc)" --target trailset
exec "$root/build/native/apps/trailset" "$@"

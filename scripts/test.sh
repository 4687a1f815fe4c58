#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test:
# native unit and window tests, the sanitizer build, the Windows program
# under Wine, the portable GUI under Xvfb. Each stage is a script in
# scripts/test.d, run in name order; the first failing stage fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
export TRAILSET_ROOT="$root"
export TRAILSET_JOBS="${TRAILSET_JOBS:-$(nproc)}"
failed=0
for stage in "$root"/scripts/test.d/*.sh; do
  name=$(basename "$stage" .sh)
  echo "=== stage $name ==="
  start=$(date +%s)
  if bash "$stage"; then
    echo "=== stage $name passed ($(( $(date +%s) - start )) s) ==="
  else
    echo "=== stage $name FAILED ($(( $(date +%s) - start )) s) ==="
    failed=1
    break
  fi
done
exit $failed

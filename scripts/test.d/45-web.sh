# trailset in the browser: the page built as shipped (scripts/build-web.sh),
# users' sessions in headless Chromium in both languages, every file
# compared with trailset-cli's; screenshots in build/web-screenshots.
set -euo pipefail
cd "$TRAILSET_ROOT"
web="$TRAILSET_ROOT/build/web"
"$TRAILSET_ROOT/scripts/build-web.sh"

# All the page's files together stay under 2 MB.
total=$(cat "$web"/* | wc -c)
[ "$total" -lt $((2 * 1024 * 1024)) ] || { echo "the page's files take $total bytes (2 MB at most)"; exit 1; }

# The companion that writes the expected files.
cmake --preset native -G Ninja >/dev/null
cmake --build --preset native -j "$TRAILSET_JOBS" --target trailset-cli

# The test driver (puppeteer-core, with Debian's Chromium) from the lock file.
# npm is Debian's package where Node.js is Debian's; a Node.js installed
# from elsewhere brings its own npm, which Debian's package would replace.
if ! command -v npm >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends npm
fi
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

shots="$TRAILSET_ROOT/build/web-screenshots"
rm -rf "$shots"
timeout 300 node tests/web/sessions.mjs "$web" build/native/apps/cli/trailset-cli "$shots"
timeout 120 node tests/web/timing.mjs "$web"
echo "screenshots: $shots ($(ls "$shots" | wc -l) files)"

#!/usr/bin/env bash
# Builds trailset for browsers into build/web/: index.html, trailset.css,
# trailset.js and trailset.wasm. The page needs no network and no server
# logic: any static server (or a web host) can serve the folder as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" build web
# emscripten's JavaScript optimizer takes its node modules from Debian's folder.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
build="$root/build/wasm"
out="$root/build/web"

emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DTRAILSET_BUILD_TESTS=OFF -DTRAILSET_WITH_FLTK=OFF >/dev/null
cmake --build "$build" -j"${TRAILSET_JOBS:-2}" --target trailset

rm -rf "$out"
mkdir -p "$out"
cp "$build/apps/trailset/trailset.js" "$build/apps/trailset/trailset.wasm" "$out/"
cp "$root/platform/web/page/trailset.css" "$out/"
# The page names its files with a mark of their content, so that a browser
# holding an earlier version in its cache never mixes it with this one.
mark=$(cd "$out" && cat trailset.js trailset.wasm trailset.css | sha256sum | cut -c1-16)
sed "s/@MARK@/$mark/g" "$root/platform/web/page/index.html" >"$out/index.html"
total=$(cat "$out"/* | wc -c)
echo "build-web: $out ($total bytes: $(cd "$out" && for f in *; do printf '%s %s, ' "$f" "$(wc -c <"$f")"; done | sed 's/, $//'))"

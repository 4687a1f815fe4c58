#!/usr/bin/env bash
# Installs the Debian packages of the named lists in scripts/packages/:
#   build    building trailset for this machine and running it
#   windows  the Windows cross build
#   web      the browser page (WebAssembly)
#   test     the tests beyond the builds
#   package  making the release packages
# All of them when no list is named. Does nothing when they are all present.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=(build windows web test package)
pkgs=()
for list in "${lists[@]}"; do
  file="$here/packages/$list.txt"
  [ -f "$file" ] || { echo "setup: there is no package list '$list' ($file)" >&2; exit 2; }
  mapfile -t -O "${#pkgs[@]}" pkgs < <(grep -v -E '^\s*(#|$)' "$file")
done
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

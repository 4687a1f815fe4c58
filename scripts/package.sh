#!/usr/bin/env bash
# Makes the release packages into build/packages/: the Debian package, the
# Windows zip and installer, the browser page's zip and the source archive.
# Installs what it needs, builds what it packages (a Release build for this
# machine in build/release, the Windows build in build/mingw, the page in
# build/web), then runs the steps in
# scripts/package.d/ in name order; a step that cannot be done fails it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh" build windows web package

export TRAILSET_ROOT="$root"
export TRAILSET_JOBS="${TRAILSET_JOBS:-$(nproc)}"
export TRAILSET_PACKAGES="$root/build/packages"
export TRAILSET_PACKAGE_WORK="$root/build/package-work"
# Every file in the packages carries the time of the commit packaged.
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

# The program as Debian builds its packages: with the distribution's
# hardening flags (stack protector, fortified functions, full RELRO).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset release -G Ninja \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --preset mingw -G Ninja >/dev/null
# The version, release date and desktop id, as the build has them.
set -a
# shellcheck source=/dev/null
. "$root/build/release/packaging/release.env"
set +a

rm -rf "$TRAILSET_PACKAGES" "$TRAILSET_PACKAGE_WORK"
mkdir -p "$TRAILSET_PACKAGES" "$TRAILSET_PACKAGE_WORK"
for step in "$root"/scripts/package.d/*.sh; do
  name=$(basename "$step" .sh)
  echo "=== package step $name ==="
  start=$(date +%s)
  bash "$step"
  echo "=== package step $name done ($(( $(date +%s) - start )) s) ==="
done
echo "packages of trailset $TRAILSET_VERSION in $TRAILSET_PACKAGES:"
ls -l "$TRAILSET_PACKAGES"

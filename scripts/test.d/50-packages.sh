# The release packages as shipped: scripts/package.sh makes them (a Release
# build of its own in build/release, the Windows build of the earlier
# stages in build/mingw); then the .deb is installed on this machine, used
# and removed (tests/packages/check_deb.sh), the Windows installer and zip
# are used under Wine (tests/packages/check_windows.sh), the browser page's
# zip must hold the page the browser stage played and start from where it
# was unzipped, and the source archive
# must hold exactly the committed files.
set -euo pipefail
cd "$TRAILSET_ROOT"
./scripts/package.sh
# shellcheck source=/dev/null
. build/release/packaging/release.env
v=$TRAILSET_VERSION
packages=build/packages

want="trailset-$v-web.zip trailset-$v-win64-setup.exe trailset-$v-win64.zip trailset-$v.tar.gz trailset_${v}_amd64.deb"
got=$(cd "$packages" && LC_ALL=C ls | tr '\n' ' ')
[ "$got" = "$(tr ' ' '\n' <<<"$want" | LC_ALL=C sort | tr '\n' ' ')" ] || { echo "packages: made $got, want $want" >&2; exit 1; }
for f in $want; do echo "packages: $f $(stat -c %s "$packages/$f") bytes"; done

bash tests/packages/check_deb.sh "$packages/trailset_${v}_amd64.deb" "$v" build/release build/package-check/deb

cmake --build build/mingw -j "$TRAILSET_JOBS" --target trailset_install_check
timeout 600 bash tests/packages/check_windows.sh "$packages" "$v" build/mingw

# The browser page's zip holds the page the browser stage played, byte for byte.
web_check=build/package-check/web
rm -rf "$web_check"
mkdir -p "$web_check"
unzip -q "$packages/trailset-$v-web.zip" -d "$web_check"
diff -r --exclude=LICENSE.txt "$web_check/trailset-$v-web" build/web >/dev/null ||
  { echo "packages: the web zip does not hold the page in build/web" >&2; exit 1; }
cmp -s "$web_check/trailset-$v-web/LICENSE.txt" LICENSE || { echo "packages: the web zip's licence" >&2; exit 1; }
echo "packages: web zip: $(ls "$web_check/trailset-$v-web" | tr '\n' ' ')"
# The unzipped page starts in headless Chromium (the browser stage's driver).
timeout 120 node tests/web/timing.mjs "$web_check/trailset-$v-web" 1

if ! diff <(tar -tzf "$packages/trailset-$v.tar.gz" | grep -v '/$' | sed "s|^trailset-$v/||" | LC_ALL=C sort) \
     <(git ls-files | LC_ALL=C sort) >/dev/null; then
  echo "packages: the source archive does not hold exactly the committed files" >&2
  exit 1
fi
echo "packages: source archive: the $(git ls-files | wc -l) committed files under trailset-$v/"

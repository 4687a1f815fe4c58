# trailset-VERSION-web.zip: the browser page in one folder, to put on any
# static web server as it is (index.html, trailset.css, trailset.js,
# trailset.wasm), with the licence.
set -euo pipefail
cd "$TRAILSET_ROOT"
./scripts/build-web.sh
folder="trailset-$TRAILSET_VERSION-web"
files="$TRAILSET_PACKAGE_WORK/web/$folder"
rm -rf "$files"
mkdir -p "$files"
cp build/web/* "$files/"
cp LICENSE "$files/LICENSE.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$files" "$files"/*
zip="$TRAILSET_PACKAGES/$folder.zip"
(cd "$TRAILSET_PACKAGE_WORK/web" &&
  cmake -E tar cf "$zip" --format=zip --mtime="$(date -u -d "@$SOURCE_DATE_EPOCH" "+%Y-%m-%d %H:%M:%S UTC")" "$folder")
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"

# trailset-VERSION-win64.zip: the programs, the guide and the licence in
# one folder; nothing to install.
set -euo pipefail
cd "$TRAILSET_PACKAGE_WORK/windows"
zip="$TRAILSET_PACKAGES/trailset-$TRAILSET_VERSION-win64.zip"
folder="trailset-$TRAILSET_VERSION-win64"
cmake -E tar cf "$zip" --format=zip --mtime="$(date -u -d "@$SOURCE_DATE_EPOCH" "+%Y-%m-%d %H:%M:%S UTC")" "$folder"
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"

# The files of the two Windows packages, as Windows users read them: the
# programs, and the guide and the licence as UTF-8 text with a byte order
# mark and CRLF line ends (so that Notepad shows the Chinese).
set -euo pipefail
cd "$TRAILSET_ROOT"
files="$TRAILSET_PACKAGE_WORK/windows/trailset-$TRAILSET_VERSION-win64"
rm -rf "$files"
mkdir -p "$files"
cp build/mingw/apps/trailset/trailset.exe build/mingw/apps/cli/trailset-cli.exe "$files/"
windows_text() { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$1"; }
windows_text packaging/windows/README.txt >"$files/README.txt"
windows_text LICENSE >"$files/LICENSE.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$files" "$files"/*
ls -l "$files"

# trailset-VERSION-win64-setup.exe: the NSIS installer of the same files,
# for the current user, with a Start menu entry and an uninstaller.
set -euo pipefail
cd "$TRAILSET_ROOT"
setup="$TRAILSET_PACKAGES/trailset-$TRAILSET_VERSION-win64-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$TRAILSET_VERSION" \
  -DFILES="$TRAILSET_PACKAGE_WORK/windows/trailset-$TRAILSET_VERSION-win64" \
  -DICON="$TRAILSET_ROOT/build/mingw/resources/generated/trailset.ico" \
  -DOUTFILE="$setup" \
  packaging/windows/trailset.nsi
echo "$(basename "$setup"): $(stat -c %s "$setup") bytes"

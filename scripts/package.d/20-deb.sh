# trailset_VERSION_amd64.deb: the installation of the Release build under
# /usr, with stripped programs, compressed manual pages, the Debian
# copyright and change log; Depends computed by dpkg-shlibdeps.
set -euo pipefail
cd "$TRAILSET_ROOT"
umask 022
work="$TRAILSET_PACKAGE_WORK/deb"
stage="$work/trailset"
rm -rf "$work"
mkdir -p "$stage"
DESTDIR="$stage" cmake --install build/release --prefix /usr >/dev/null

for exe in "$stage"/usr/bin/*; do
  strip --remove-section=.comment --remove-section=.note "$exe"
done
gzip -9n "$stage"/usr/share/man/man1/*.1
doc="$stage/usr/share/doc/trailset"
# The licence is the copyright file's; Debian keeps it there.
rm -f "$doc/LICENSE"
install -m 644 packaging/debian/copyright "$doc/copyright"
date=$(date -R -u -d "@$SOURCE_DATE_EPOCH")
sed -e "s/@VERSION@/$TRAILSET_VERSION/" -e "s/@DATE@/$date/" packaging/debian/changelog.in | gzip -9n >"$doc/changelog.gz"
chmod 644 "$doc/changelog.gz"

# dpkg-shlibdeps and dpkg-gencontrol work in a source folder of the package.
src="$work/source"
mkdir -p "$src/debian"
cp packaging/debian/control "$src/debian/control"
sed -e "s/@VERSION@/$TRAILSET_VERSION/" -e "s/@DATE@/$date/" packaging/debian/changelog.in >"$src/debian/changelog"
mkdir -p "$stage/DEBIAN"
(cd "$src" && dpkg-shlibdeps -Tdebian/substvars "$stage"/usr/bin/* &&
  dpkg-gencontrol -ptrailset -P"$stage" -Tdebian/substvars)
(cd "$stage" && find usr -type f -printf '%P\n' | LC_ALL=C sort | sed 's|^|usr/|' | xargs md5sum >DEBIAN/md5sums)
chmod 644 "$stage/DEBIAN/md5sums"

deb="$TRAILSET_PACKAGES/trailset_${TRAILSET_VERSION}_amd64.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Depends

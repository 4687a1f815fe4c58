# trailset-VERSION.tar.gz: the source of the commit packaged, in a folder
# trailset-VERSION.
set -euo pipefail
cd "$TRAILSET_ROOT"
tarball="$TRAILSET_PACKAGES/trailset-$TRAILSET_VERSION.tar.gz"
git archive --format=tar.gz --prefix="trailset-$TRAILSET_VERSION/" -o "$tarball" HEAD
echo "$(basename "$tarball"): $(stat -c %s "$tarball") bytes"

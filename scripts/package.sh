#!/bin/sh
# Builds the Debian source and binary packages the way Debian does, with
# dpkg-buildpackage, into build-package/. dpkg-buildpackage writes its results
# beside the tree it builds, so it builds a copy of this one made there: what
# git tracks or would track (no build folder, no .git), with the modes git
# gives, whatever the umask of the clone. JOBS=n builds n at a time (2).
set -eu
cd "$(dirname "$0")/.."
out=build-package
upstream=$(dpkg-parsechangelog -S Version | sed 's/^[0-9]*://; s/-[^-]*$//')
tree=tibalou-$upstream

rm -rf "$out"
mkdir -p "$out/$tree"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$out/$tree"
chmod -R u+rwX,go+rX,go-w "$out/$tree"

# The upstream tarball is the same tree less debian/, made the same from the
# same files every time: sorted, owned by root, dated from the changelog.
tar -C "$out" -cf - --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$(dpkg-parsechangelog -S Timestamp)" --exclude="$tree/debian" "$tree" |
    xz -T1 >"$out/tibalou_$upstream.orig.tar.xz"

(cd "$out/$tree" && dpkg-buildpackage -us -uc -j"${JOBS:-2}")
rm -rf "${out:?}/$tree"
ls "$out"

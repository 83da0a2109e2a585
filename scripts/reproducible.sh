#!/bin/sh
# Builds the packages twice with make package, from two clones of this
# repository's HEAD at different paths, under umask 0022 then 0002, in two
# time zones and a few minutes apart, and checks that the two builds made the
# same files, bit for bit: the source package and every .deb. Times come from
# SOURCE_DATE_EPOCH, which dpkg-buildpackage takes from debian/changelog and
# which Qt's resource compiler writes in place of the pictures' file times.
# Needs what make package needs; diffoscope, if installed, shows a difference.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d /var/tmp/tibalou-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

# build FOLDER UMASK TZ: a clone made and built under that umask and zone.
build() {
    started=$(date +%s)
    (
        umask "$2"
        git clone -q --no-hardlinks "$PWD" "$work/$1"
        cd "$work/$1"
        TZ=$3 make package >"$work/$1.log" 2>&1
    ) || {
        tail -n 30 "$work/$1.log" >&2
        echo "reproducible: the build in $work/$1 failed" >&2
        exit 1
    }
    echo "reproducible: built in $work/$1 (umask $2, TZ=$3) in $(($(date +%s) - started)) s"
}
build first 0022 UTC
build second/with/a/longer/path 0002 Pacific/Auckland

status=0
for file in "$work/first/build-package/"*.deb "$work/first/build-package/"*.dsc "$work/first/build-package/"*.tar.*; do
    name=${file##*/}
    if cmp -s "$file" "$work/second/with/a/longer/path/build-package/$name"; then
        echo "reproducible: $name identical"
    else
        echo "reproducible: $name differs" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope "$file" "$work/second/with/a/longer/path/build-package/$name" | head -n 60 >&2 || true
        fi
        status=1
    fi
done
exit "$status"

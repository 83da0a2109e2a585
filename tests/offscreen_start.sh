#!/bin/sh
# offscreen_start.sh [PROGRAM...]
# The program (tibalou by default; a desktop entry's Exec line may be given
# as words) starts on Qt's offscreen platform and is still running three
# seconds later, when it is stopped.
set -eu
[ $# -gt 0 ] || set -- tibalou
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
status=0
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen timeout 3 "$@" || status=$?
if [ "$status" -ne 124 ]; then
    echo "offscreen start: $* did not keep running (exit $status)" >&2
    exit 1
fi
echo "offscreen start: $* still running after 3 s"

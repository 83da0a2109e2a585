#!/bin/sh
# command_line.sh [PROGRAM]
# PROGRAM (tibalou by default) answers --version with the upstream version
# of debian/changelog and --help with its French usage, exits 0 and writes
# nothing on stderr, with no display at all: Qt is told to use X11, which
# would abort without one, so an answer proves that no window was made.
set -eu
program=${1:-tibalou}
# The upstream version: the Debian one without its epoch and revision.
version=$(sed -n '1{s/^[^(]*(\([^)]*\)).*/\1/;s/^[0-9]*://;s/-[^-]*$//;p;}' "$(dirname "$0")/../debian/changelog")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "command line: $*" >&2
    exit 1
}

# Runs the program with ARGUMENTS; its output goes to $work/out and $work/err.
answer() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$program" "$@" \
        >"$work/out" 2>"$work/err" </dev/null || status=$?
    [ "$status" -eq 0 ] || fail "$program $* exited $status: $(cat "$work/err")"
    [ ! -s "$work/err" ] || fail "$program $* wrote on stderr: $(cat "$work/err")"
}

answer --version
[ "$(cat "$work/out")" = "tibalou $version" ] ||
    fail "--version printed '$(cat "$work/out")', not 'tibalou $version'"

answer --help
for expected in '^Utilisation : tibalou ' 'école primaire' '^  --help ' '^  --version ' '-platform'; do
    grep -q -e "$expected" "$work/out" || fail "--help does not say '$expected': $(cat "$work/out")"
done

# Nothing else is answered: a look-alike goes to Qt, which starts the windows.
status=0
env QT_QPA_PLATFORM=offscreen timeout 2 "$program" -version >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "$program -version did not start the program (exit $status)"
echo "command line: --version and --help answered without a display"

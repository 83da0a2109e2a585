#!/bin/sh
# Renders every window of the real program to PNG in docs/, under a virtual
# X server, so the README's pictures stay true to the program.
set -eu
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

sh scripts/install-deps.sh pictures
cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target pictures -j 2 >/dev/null

# A screen with room for every window at 200 %: on a smaller one they would
# be shown shrunk to fit it.
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$BUILD/pictures" docs
# The same windows on a screen at 200 %.
scaled=$(mktemp -d)
DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$BUILD/pictures" "$scaled" >/dev/null
cp "$scaled/menu.png" docs/menu-200.png
cp "$scaled/division.png" docs/division-200.png
rm -r "$scaled"

#!/bin/sh
# Renders the program's icon from its SVG source at the sizes of the hicolor
# theme, into data/icons/, which the package installs and the program shows
# as its windows' icon (16 to 128 pixels). Run after changing
# data/tibalou.svg.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh pictures
for size in 16 22 32 48 64 128 256; do
    mkdir -p "data/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" data/tibalou.svg -o "data/icons/${size}x${size}/tibalou.png"
done

#!/bin/sh
# Installs the Debian packages that building, testing and running need.
# Quiet and quick when everything is there already.
set -eu

packages="cmake make g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core fonts-liberation2"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing. Run as root, or install them with apt-get." >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null

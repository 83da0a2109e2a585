#!/bin/sh
# Installs the Debian packages that building, testing and running need, and
# those of the extra tasks named as arguments:
#   package      the Debian packages by dpkg-buildpackage, lintian, autopkgtest
#                and the checks of the desktop files
#   desktop      the X11 and Wayland sessions that tests/desktop_start.sh starts it in
#   bare-debian  debootstrap, which makes the fresh Debian the README and the
#                package are tried on, and ImageMagick to compare what it shows
#   pictures     the virtual X server that the pictures are rendered on
#   clang        the second compiler the code must build with, warning-free
#   x            the real X server, window manager and input injection of make soak-x
#   bench        the virtual X server that start-ups are timed under
#   orca         the screen reader and its buses that scripts/with-orca.sh runs
#   web          Qt for WebAssembly's build (scripts/qt-wasm.sh), the browser
#                build and its site, and Python's web server that serves it
#   browser      headless Chromium, Node.js and npm, with which make test-web
#                and make bench-web drive the site, and brotli for the bench
# Quiet and quick when everything is there already.
set -eu

packages="cmake make g++ qt6-base-dev qt6-svg-dev libfontconfig-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core fonts-liberation2"
for task in "$@"; do
    case $task in
        package) packages="$packages git dpkg-dev debhelper lintian autopkgtest desktop-file-utils appstream" ;;
        desktop) packages="$packages xvfb x11-utils sway jq" ;;
        bare-debian) packages="$packages debootstrap imagemagick" ;;
        pictures) packages="$packages xvfb xauth librsvg2-bin" ;;
        clang) packages="$packages clang" ;;
        x) packages="$packages xvfb xauth openbox libxtst-dev" ;;
        bench) packages="$packages xvfb" ;;
        orca) packages="$packages xvfb xauth openbox xdotool orca at-spi2-core dbus-daemon libglib2.0-bin" ;;
        web) packages="$packages emscripten binaryen qt6-base-dev-tools ninja-build librsvg2-bin python3 perl dpkg-dev xz-utils" ;;
        browser)
            packages="$packages chromium nodejs brotli"
            # A Node.js from elsewhere may bring its own npm, which Debian's conflicts with.
            command -v npm >/dev/null || packages="$packages npm" ;;
        *) echo "install-deps: unknown task $task" >&2; exit 2 ;;
    esac
done

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

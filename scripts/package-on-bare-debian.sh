#!/bin/sh
# Installs the built package alone, "apt-get install ./tibalou_*.deb" without
# its recommendations, on a fresh minimal Debian 12 in a chroot, and checks
# that its dependencies bring all the program needs: the font it is designed
# in is there, it answers on its command line, keeps running offscreen, and
# shows its main menu on a virtual X server outside the chroot (reached by
# its abstract socket), quietly. Run after make package; needs root and
# scripts/install-deps.sh bare-debian desktop.
set -eu
cd "$(dirname "$0")/.."
deb=$(ls build-package/tibalou_*.deb)
. scripts/bare-debian.sh
fail() {
    echo "package on bare Debian: $*" >&2
    exit 1
}

cp "$deb" "$root/root/tibalou.deb"
started=$(date +%s)
in_chroot DEBIAN_FRONTEND=noninteractive sh -c \
    'apt-get update -qq && apt-get install -y -qq --no-install-recommends /root/tibalou.deb' \
    >"$root/install.log" 2>&1 || { tail -n 30 "$root/install.log" >&2; fail "the package did not install"; }
echo "package on bare Debian: installed with its dependencies in $(($(date +%s) - started)) s"
# shellcheck disable=SC2016  # dpkg-query's own field syntax
in_chroot dpkg-query -W -f='${Status}\n' fonts-liberation2 | grep -q 'install ok installed' ||
    fail "fonts-liberation2 was not installed with the package"

# The checks of the installed program, run inside the chroot.
mkdir -p "$root/root/checks/debian"
cp -r tests "$root/root/checks/"
cp debian/changelog "$root/root/checks/debian/"
in_chroot sh /root/checks/tests/command_line.sh tibalou
in_chroot sh /root/checks/tests/offscreen_start.sh tibalou 2>/dev/null
# The program as tests/desktop_start.sh starts it, but inside the chroot.
mkdir -m 700 "$root/root/runtime"
cat >"$root/tibalou-in-chroot" <<END
#!/bin/sh
exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin LC_ALL=C.UTF-8 \\
    XDG_RUNTIME_DIR=/root/runtime DISPLAY="\$DISPLAY" QT_QPA_PLATFORM="\$QT_QPA_PLATFORM" tibalou
END
chmod 755 "$root/tibalou-in-chroot"
TIBALOU_PICTURE="$root/menu-principal.png" sh tests/desktop_start.sh "$root/tibalou-in-chroot" x11
# With the font its dependencies brought, exactly as the README shows it.
differing=$(compare -metric AE docs/menu-principal.png "$root/menu-principal.png" null: 2>&1) || true
[ "$differing" = 0 ] || fail "the main menu differs from docs/menu-principal.png in $differing pixels"
echo "package on bare Debian: the program installed alone shows its main menu as the README does"

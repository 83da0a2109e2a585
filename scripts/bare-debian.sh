# shellcheck shell=sh
# Sourced by the scripts that try something on a fresh minimal Debian 12
# (debootstrap --variant=minbase): unpacks one in a chroot in $root, with
# /proc and /dev mounted, and gives in_chroot and stop_chroot_processes. The
# chroot and all that runs in it go when the script ends. The downloaded base
# system is kept in /var/cache/tibalou (one tarball a day). Needs root and
# debootstrap (scripts/install-deps.sh bare-debian).
suite=bookworm
cache=/var/cache/tibalou
root=$(mktemp -d /var/tmp/tibalou-bare-debian.XXXXXX)
chmod 755 "$root"

# Every process whose root is the chroot.
in_chroot_pids() {
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && echo "${process#/proc/}"
    done
    return 0
}
stop_chroot_processes() {
    pids=$(in_chroot_pids)
    [ -z "$pids" ] && return 0
    # shellcheck disable=SC2086
    kill $pids 2>/dev/null || true
    sleep 1
    pids=$(in_chroot_pids)
    # shellcheck disable=SC2086
    [ -z "$pids" ] || kill -KILL $pids 2>/dev/null || true
}
cleanup() {
    status=$?
    stop_chroot_processes
    # debootstrap's own mounts too, should it have stopped half-way.
    for mount in "$root/dev/pts" "$root/dev" "$root/proc" "$root/sys"; do
        if mountpoint -q "$mount"; then umount -l "$mount"; fi
    done
    rm -rf --one-file-system "$root"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The mirror that apt on this machine already uses.
mirror() {
    # shellcheck disable=SC2016  # apt's own field syntax
    apt-get indextargets --format '$(REPO_URI)' "Codename: $suite" 'Origin: Debian' 'Identifier: Packages' |
        head -n 1
}
[ -n "$(mirror)" ] || apt-get update -qq
url=$(mirror)
[ -n "$url" ] || { echo "no Debian $suite source in apt's sources" >&2; exit 1; }

architecture=$(dpkg --print-architecture)
tarball=$cache/$suite-minbase-$architecture-$(date +%Y%m%d).tar.gz
if [ ! -s "$tarball" ]; then
    mkdir -p "$cache"
    debootstrap --variant=minbase --make-tarball="$tarball.part" "$suite" "$root/download" "$url" >/dev/null
    mv "$tarball.part" "$tarball"
    rm -rf "$root/download"
    for old in "$cache/$suite-minbase-$architecture-"*.tar.gz; do
        [ "$old" = "$tarball" ] || rm -f "$old"
    done
fi
started=$(date +%s)
debootstrap --variant=minbase --unpack-tarball="$tarball" "$suite" "$root" "$url" >/dev/null
echo "bare Debian: minbase $suite unpacked in $(($(date +%s) - started)) s"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

# A login's bare environment, as a teacher would have it on that machine.
in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        TERM=dumb "$@"
}

#!/bin/sh
# Runs the README's two commands, as written, on a fresh minimal Debian 12
# (debootstrap --variant=minbase) in a chroot, as root: "sh tibalou.sh run"
# must start the program (headless, on the offscreen platform) and keep it
# running for ten seconds, then "sh tibalou.sh test" must pass.
#
# The downloaded base system is kept in /var/cache/tibalou (one tarball a day);
# the chroot itself goes when the check ends. Needs root and debootstrap
# (scripts/install-deps.sh bare-debian).
set -eu
cd "$(dirname "$0")/.."
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

# Only what the project keeps in git, as a fresh clone has it.
mkdir "$root/root/tibalou"
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$root/root/tibalou"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

# A login's bare environment, as a teacher would have it on that machine.
in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        TERM=dumb "$@"
}

started=$(date +%s)
in_chroot QT_QPA_PLATFORM=offscreen sh -c 'cd /root/tibalou && sh tibalou.sh run' >"$root/run.log" 2>&1 &
make_run=$!
program="$root/root/tibalou/build/tibalou"
running() {
    for exe in /proc/[0-9]*/exe; do
        [ "$(readlink "$exe" 2>/dev/null)" = "$program" ] && return 0
    done
    return 1
}
until running; do
    if ! kill -0 "$make_run" 2>/dev/null; then
        tail -n 30 "$root/run.log" >&2
        echo "bare Debian: 'sh tibalou.sh run' ended before the program started" >&2
        exit 1
    fi
    sleep 1
done
echo "bare Debian: 'sh tibalou.sh run' installed, built and started the program in $(($(date +%s) - started)) s"
sleep 10
if ! running; then
    tail -n 30 "$root/run.log" >&2
    echo "bare Debian: the program did not keep running for ten seconds" >&2
    exit 1
fi
stop_chroot_processes
wait "$make_run" 2>/dev/null || true
echo "bare Debian: the program was still running after ten seconds"

started=$(date +%s)
in_chroot sh -c 'cd /root/tibalou && sh tibalou.sh test' >"$root/test.log" 2>&1 || {
    tail -n 40 "$root/test.log" >&2
    echo "bare Debian: 'sh tibalou.sh test' failed" >&2
    exit 1
}
grep -E '^[0-9]+% tests passed' "$root/test.log"
echo "bare Debian: 'sh tibalou.sh test' passed in $(($(date +%s) - started)) s"

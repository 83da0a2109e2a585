#!/bin/sh
# Runs the README's two commands, as written, on a fresh minimal Debian 12
# (debootstrap --variant=minbase) in a chroot, as root: "sh tibalou.sh run"
# must start the program (headless, on the offscreen platform) and keep it
# running for ten seconds, then "sh tibalou.sh test" must pass.
# Needs root and debootstrap (scripts/install-deps.sh bare-debian).
set -eu
cd "$(dirname "$0")/.."
. scripts/bare-debian.sh

# Only what the project keeps in git, as a fresh clone has it.
mkdir "$root/root/tibalou"
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$root/root/tibalou"

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

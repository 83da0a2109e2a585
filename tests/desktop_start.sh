#!/bin/sh
# desktop_start.sh [PROGRAM [SESSION...]]
# Starts PROGRAM (tibalou by default) in each kind of desktop session named
# (both by default), and checks that its main window shows, named by the
# desktop entry's id, with nothing written on stderr:
#   x11      under Xvfb, the window class (WM_CLASS) read with xprop;
#   wayland  under a headless sway, the app id read from sway's tree.
# With TIBALOU_PICTURE set, the X11 window is saved there as shown (PNG).
# Needs scripts/install-deps.sh desktop (x11 alone: xvfb and x11-utils).
set -eu
program=${1:-tibalou}
[ $# -gt 0 ] && shift
sessions=${*:-x11 wayland}
desktop_id=fr.tibalou.Tibalou

work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
fail() {
    echo "desktop start: $*" >&2
    exit 1
}

# Polls COMMAND for ten seconds while process PID lives.
wait_for() {
    pid=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Starts the program with the given environment; its output goes to
# $work/<session>.stderr.
start_program() {
    session=$1
    shift
    mkdir -m 700 "$work/$session.runtime"
    env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/$session.runtime" "$@" \
        "$program" >/dev/null 2>"$work/$session.stderr" &
    program_pid=$!
    pids="$program_pid $pids"
}

# The program is still running a moment after its window showed (late
# warnings come then) and has written nothing on stderr.
check_quiet() {
    session=$1
    sleep 2
    kill -0 "$program_pid" 2>/dev/null || fail "$program ended under $session"
    if [ -s "$work/$session.stderr" ]; then
        cat "$work/$session.stderr" >&2
        fail "$program wrote on stderr under $session"
    fi
    kill "$program_pid"
}

# The top-level window captioned "Tibalou" that is on screen.
shown() {
    for window in $(DISPLAY=$display xwininfo -root -children | awk '/"Tibalou": \(/ { print $1 }'); do
        DISPLAY=$display xwininfo -id "$window" | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}
# The sway sockets, once sway made them.
sockets() {
    socket=$(find "$work/sway" -name 'wayland-*' -type s)
    ipc=$(find "$work/sway" -name 'sway-ipc.*' -type s)
    [ -n "$socket" ] && [ -n "$ipc" ]
}
# The program's window in sway's tree.
view() {
    view=$(SWAYSOCK=$ipc swaymsg -r -t get_tree |
        jq -c --argjson pid "$program_pid" '.. | objects | select(.pid? == $pid and .shell? != null)')
    [ -n "$view" ]
}

# X11
x11() {
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    pids="$xvfb_pid $pids"
    wait_for "$xvfb_pid" test -s "$work/display" || fail "Xvfb did not start"
    display=:$(cat "$work/display")
    start_program x11 DISPLAY="$display" QT_QPA_PLATFORM=xcb
    wait_for "$program_pid" shown || fail "no window of $program showed under X11"
    class=$(DISPLAY=$display xprop -id "$window" WM_CLASS)
    case $class in
    *", \"$desktop_id\"") ;;
    *) fail "window class $class, not $desktop_id" ;;
    esac
    if [ -n "${TIBALOU_PICTURE:-}" ]; then
        sleep 1  # painted by then
        DISPLAY=$display import -window "$window" "$TIBALOU_PICTURE"
    fi
    check_quiet x11
    echo "desktop start: X11 window shown, $class"
}

# Wayland. sway will not run as root: there it runs as nobody, in a runtime
# directory of its own, and the program reaches its socket by path.
wayland() {
    chmod 711 "$work"
    mkdir -m 700 "$work/sway"
    printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x800\n' >"$work/sway.conf"
    as_compositor=""
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$work/sway" "$work/sway.conf"
        as_compositor="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    fi
    # shellcheck disable=SC2086  # as_compositor is a command or nothing
    env XDG_RUNTIME_DIR="$work/sway" HOME="$work/sway" WLR_BACKENDS=headless WLR_RENDERER=pixman \
        WLR_LIBINPUT_NO_DEVICES=1 $as_compositor sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
    sway_pid=$!
    pids="$sway_pid $pids"
    wait_for "$sway_pid" sockets || { cat "$work/sway.log" >&2; fail "sway did not start"; }
    start_program wayland WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
    wait_for "$program_pid" view || fail "no window of $program showed under Wayland"
    echo "$view" | jq -e --arg id "$desktop_id" '.app_id == $id' >/dev/null ||
        fail "app id $(echo "$view" | jq .app_id), not $desktop_id"
    echo "$view" | jq -e '.visible and .name == "Tibalou" and .shell == "xdg_shell"' >/dev/null ||
        fail "the main window is not shown: $view"
    check_quiet wayland
    echo "desktop start: Wayland window shown, $(echo "$view" | jq -c '{app_id, name, visible}')"
}

for session in $sessions; do
    case $session in
    x11 | wayland) "$session" ;;
    *) fail "unknown session $session" ;;
    esac
done

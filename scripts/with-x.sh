#!/bin/sh
# Runs a command on a virtual X server of its own, managed by openbox with
# the bindings of scripts/openbox-rc.xml, then stops both:
#   sh scripts/with-x.sh COMMAND [ARGUMENTS...]
# The display is the first free one from :57 up (TIBALOU_X_FROM changes it).
set -eu

log=$(mktemp)
server=""
manager=""
stop() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -f "$log"
}
trap stop EXIT
trap 'exit 130' INT TERM

n=${TIBALOU_X_FROM:-57}
while [ "$n" -lt 200 ]; do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$log" 2>&1 &
        server=$!
        tries=0
        while [ ! -e "/tmp/.X11-unix/X$n" ] && kill -0 "$server" 2>/dev/null && [ "$tries" -lt 50 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$server" 2>/dev/null; then break; fi
        kill "$server" 2>/dev/null || true
        server=""
    fi
    n=$((n + 1))
done
if [ -z "$server" ]; then
    echo "with-x: no virtual X server could start" >&2
    cat "$log" >&2
    exit 1
fi

export DISPLAY=":$n"
openbox --sm-disable --config-file "$(dirname "$0")/openbox-rc.xml" >/dev/null 2>&1 &
manager=$!
# The program waits for the window manager itself; a command that does not
# gets a moment for it here.
sleep 0.5

status=0
"$@" || status=$?
exit "$status"

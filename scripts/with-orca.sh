#!/bin/sh
# Runs the program with the Orca screen reader listening, on a virtual X
# server of its own (scripts/with-x.sh), and keeps what Orca says:
#   sh scripts/with-orca.sh PROGRAM DIR DRIVER
# DRIVER is a shell script run once the program is up, with DISPLAY set and
# DIR as its argument: it plays the pupil with xdotool. DIR/orca.log is
# Orca's own log; DIR/spoken.txt holds what it said, an utterance a line.
# Orca has the laptop layout and Num Lock is on, so that keypad digits reach
# the program, and speech goes to a silent voice. Needs the orca task of
# scripts/install-deps.sh.
set -eu
program=$(realpath "$1")
dir=$(realpath -m "$2")
driver=$(realpath "$3")

if [ "${4:-}" != "--inside" ]; then
    rm -rf "$dir"
    mkdir -p "$dir/home/.config/speech-dispatcher/modules" "$dir/prefs" "$dir/run"
    chmod 700 "$dir/run"
    # Without a sound card Orca would stall on its first sentence.
    cat >"$dir/home/.config/speech-dispatcher/speechd.conf" <<'EOF'
AddModule "silent" "sd_generic" "silent.conf"
DefaultModule silent
LanguageDefaultModule "fr" "silent"
EOF
    cat >"$dir/home/.config/speech-dispatcher/modules/silent.conf" <<'EOF'
GenericExecuteSynth "true"
AddVoice "fr" "MALE1" "fr"
AddVoice "en" "MALE1" "en"
EOF
    cat >"$dir/prefs/user-settings.conf" <<'EOF'
{"general": {"keyboardLayout": 2, "enableSpeech": true,
             "activeProfile": ["Default", "default"], "startingProfile": ["Default", "default"]},
 "profiles": {"default": {"profile": ["Default", "default"], "keyboardLayout": 2}},
 "pronunciations": {}, "keybindings": {}}
EOF
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run" \
        sh "$(dirname "$0")/with-x.sh" dbus-run-session -- sh "$0" "$program" "$dir" "$driver" --inside
    grep -a 'SPEECH OUTPUT:' "$dir/orca.log" |
        sed -e 's/^.*SPEECH OUTPUT: //' -e "s/ *{'established': [A-Za-z]*}\$//" -e "s/^'\(.*\)'\$/\1/" >"$dir/spoken.txt"
    cat "$dir/spoken.txt"
    exit 0
fi

# Inside: a display with its window manager, and a session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$dir/at-spi.log" 2>&1 </dev/null &
bus=$!
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
sleep 1
orca -u "$dir/prefs" --debug-file "$dir/orca.log" >"$dir/orca.out" 2>&1 </dev/null &
reader=$!
sleep 4
xdotool key Num_Lock
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$dir/program.log" 2>&1 </dev/null &
app=$!
sleep 3
status=0
sh "$driver" "$dir" || status=$?
sleep 2
kill "$app" "$reader" "$bus" 2>/dev/null || true
pkill -u "$(id -u)" -f speech-dispatcher 2>/dev/null || true
pkill -u "$(id -u)" dconf-service 2>/dev/null || true
exit "$status"

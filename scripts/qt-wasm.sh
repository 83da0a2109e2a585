#!/bin/sh
# Builds Qt for WebAssembly from Debian's own qt6-base source with Debian's
# emscripten, static and size-optimised, into a cache outside the checkout:
#   ${TIBALOU_CACHE:-/var/cache/tibalou}/qt-6.4.2-wasm   Qt, with bin/qt-cmake
#   ${TIBALOU_CACHE:-/var/cache/tibalou}/emsdk           the layout Qt expects
# Exits at once when that Qt was built with the same configure line and
# qt6-base version. Qt records the cache's path, so a cache must be restored
# at the same place.
# Using it needs EMSDK=<cache>/emsdk and NODE_PATH=/usr/share/nodejs.
# TIBALOU_JOBS (default 2) is the build's parallelism. Runs as root.
set -eu

cache=${TIBALOU_CACHE:-/var/cache/tibalou}
prefix=$cache/qt-6.4.2-wasm
work=$cache/qt-6.4.2-wasm.work
logs=$cache/log
# Debian's emcc runs its JS tools with whatever node comes first, which may
# not look in Debian's module folder.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export EMSDK="$cache/emsdk"
mkdir -p "$logs"

# step NAME COMMAND...: runs it quietly, prints its time, or its log's end.
step() {
    name=$1
    shift
    begin=$(date +%s)
    if ! "$@" >"$logs/$name.log" 2>&1; then
        tail -n 40 "$logs/$name.log" >&2
        echo "qt-wasm: $name failed, see $logs/$name.log" >&2
        exit 1
    fi
    echo "$name $(since "$begin")"
}
since() {
    seconds=$(($(date +%s) - $1))
    printf '%dm%02ds' $((seconds / 60)) $((seconds % 60))
}

install_packages() {
    apt-get update -q
    # shellcheck disable=SC2086 # a list of names
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}
missing=
for package in emscripten qt6-base-dev qt6-base-dev-tools cmake ninja-build python3 perl dpkg-dev xz-utils; do
    dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed || missing="$missing $package"
done
[ -z "$missing" ] || step packages install_packages

# Qt finds emscripten through $EMSDK/.emscripten, which names the emscripten
# folder inside $EMSDK, and runs that folder's emcc; Debian's has emcc.py.
mkdir -p "$EMSDK/upstream/emscripten"
ln -sfn /usr/share/emscripten/* /usr/share/emscripten/.emscripten "$EMSDK/upstream/emscripten/"
ln -sfn /usr/share/emscripten/wrapper "$EMSDK/upstream/emscripten/emcc"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"

# The source matches the host tools, which Qt requires to be the same version.
version=$(dpkg-query -W -f '${source:Version}' qt6-base-dev-tools)
source=$work/qt6-base-${version%-*}
# Only what the program uses: no network, sql, xml, threads, printing, D-Bus
# in the browser, and none of the widgets, models and formats it leaves
# unused. Some unused ones stay on, since Qt 6.4.2 does not build without
# them unless its source is changed: regularexpression; mainwindow, without
# which toolbar is off, whose header compat/removed_api.cpp includes
# unguarded; itemviews, with the slider it needs, whose header is the only
# one to bring QHash to qpixmapstyle_p_p.h; filesystemmodel, whose header
# QtWidgets' module header includes unguarded, breaking the OpenGLWidgets
# precompiled header; cborstreamreader, imageformat_xpm, draganddrop,
# mimetype, messagebox and dialogbuttonbox.
set -- -prefix "$prefix" -platform wasm-emscripten -qt-host-path /usr \
    -static -release -optimize-size -no-dbus -no-gif -no-ico -no-libjpeg \
    -nomake examples -nomake tests
for feature in thread network sql testlib printsupport concurrent xml \
    calendarwidget colordialog columnview combobox commandlinkbutton completer \
    datawidgetmapper datetimeedit dial dockwidget errormessage filedialog \
    fontcombobox fontdialog formlayout fscompleter graphicseffect graphicsview \
    inputdialog keysequenceedit lcdnumber listview listwidget mdiarea \
    progressbar progressdialog scroller sizegrip spinbox splashscreen \
    splitter stackedwidget statusbar statustip syntaxhighlighter tableview \
    tablewidget tabbar tabwidget textbrowser textedit toolbox treeview \
    treewidget undocommand undogroup undostack undoview wizard whatsthis \
    style-windows style-stylesheet effects gestures rubberband tooltip \
    textodfwriter textmarkdownreader textmarkdownwriter cborstreamwriter \
    xmlstream xmlstreamreader xmlstreamwriter mimetype-database pdf picture \
    movie sessionmanager systemtrayicon hijricalendar islamiccivilcalendar \
    jalalicalendar commandlineparser filesystemwatcher imageformat_bmp \
    imageformat_ppm imageformat_xbm identityproxymodel sortfilterproxymodel \
    transposeproxymodel concatenatetablesproxymodel stringlistmodel \
    standarditemmodel animation; do
    set -- "$@" -no-feature-$feature
done
set -- "$@" -- "-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
stamp=$(echo "qt6-base $version: $*" | sha256sum | cut -d ' ' -f 1)
if [ "$(cat "$prefix/.configure-stamp" 2>/dev/null)" = "$stamp" ]; then
    echo "Qt for WebAssembly is up to date in $prefix"
    exit 0
fi

# apt-get source needs deb-src entries: the same mirrors, suites and keys as
# the machine's Debian entries, whichever of apt's two formats they are in.
fetch_source() {
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"; then
        rm -f /etc/apt/sources.list.d/tibalou-src.sources /etc/apt/sources.list.d/tibalou-src.list
        # shellcheck disable=SC2016 # apt's own placeholder
        for entry in $(apt-get indextargets --format '$(SOURCESENTRY)' 'Identifier: Packages' 'Origin: Debian' | sort -u); do
            file=${entry%:*} number=${entry##*:}
            case $file in
            *.sources) awk -v n="$number" 'BEGIN { RS = ""; ORS = "\n\n" }
                NR == n { sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file" \
                >>/etc/apt/sources.list.d/tibalou-src.sources ;;
            *) sed -n "${number}s/^deb\([[:space:]]\)/deb-src\1/p" "$file" \
                >>/etc/apt/sources.list.d/tibalou-src.list ;;
            esac
        done
        apt-get update -q
    fi
    rm -rf "$work"
    mkdir -p "$work/build"
    cd "$work"
    apt-get source -q "qt6-base=$version"
}
begin_all=$(date +%s)
step source fetch_source
cd "$work/build"
step configure "$source/configure" "$@"
step build cmake --build . --parallel "${TIBALOU_JOBS:-2}"
rm -rf "$prefix"
step install cmake --install .
echo "$stamp" >"$prefix/.configure-stamp"
cd "$cache"
rm -rf "$work"
echo "Qt for WebAssembly built in $(since "$begin_all"), $(du -sh "$prefix" | cut -f 1) in $prefix"

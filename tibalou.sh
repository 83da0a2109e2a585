#!/bin/sh
# The first command on a fresh Debian: installs make and everything else the
# build, the tests and the program need, then runs make with the same
# arguments (sh tibalou.sh run, sh tibalou.sh test, ...); sh tibalou.sh web
# builds the browser version and serves it.
set -eu
cd "$(dirname "$0")"
sh scripts/install-deps.sh
# The browser build is served once built.
case ${1:-} in web) shift; set -- serve-web "$@" ;; esac
exec make "$@"

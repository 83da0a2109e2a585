#!/bin/sh
# The first command on a fresh Debian: installs make and everything else the
# build, the tests and the program need, then runs make with the same
# arguments (sh tibalou.sh run, sh tibalou.sh test, ...).
set -eu
cd "$(dirname "$0")"
sh scripts/install-deps.sh
exec make "$@"

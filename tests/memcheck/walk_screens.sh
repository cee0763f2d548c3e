#!/usr/bin/env bash
# Walks every screen of the program (screen_walk) under valgrind's memcheck in a home of its
# own, and fails on any invalid read, write or free, in our code or in a library: the
# sanitizers only see the memory of code built with them, not Qt's.
#   walk_screens.sh VALGRIND SCREEN_WALK
set -euo pipefail
valgrind=$1
walk=$2
if [ ! -x "$walk" ]; then
  echo "$walk is missing: scripts/test.sh builds it (a build without sanitizers)" >&2
  exit 1
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=offscreen QUORVEL_NETWORK=loopback
# Nothing of the user's session (keyring, address books, location) takes part.
unset DBUS_SESSION_BUS_ADDRESS
mkdir -p "$XDG_CONFIG_HOME/quorvel" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Both composers can open: a "phone" that echo lists, and sendmail that takes anything.
cat >"$XDG_CONFIG_HOME/quorvel/device.ini" <<'INI'
[location]
source=demo
[sms]
sender=kdeconnect
program=/bin/echo
[mail]
transport=sendmail
sendmail=/bin/true
from=jana@example.org
INI
# Only what memcheck calls addressing errors count (invalid reads, writes and frees); values
# not yet written are left out, as libraries copy uninitialised padding on purpose.
status=0
"$valgrind" --tool=memcheck --error-exitcode=99 --undef-value-errors=no --leak-check=no \
  --suppressions="$(dirname "$0")/qt.supp" --num-callers=40 --log-file="$home/memcheck.log" "$walk" >"$home/walk.log" 2>&1 || status=$?
grep "walk: " "$home/walk.log" || true
if [ "$status" -ne 0 ] || ! grep -q "walk: done" "$home/walk.log"; then
  echo "--- the walk's log" >&2
  tail -n 40 "$home/walk.log" >&2
  echo "--- memcheck (exit $status)" >&2
  cat "$home/memcheck.log" >&2
  exit 1
fi
grep "ERROR SUMMARY" "$home/memcheck.log"

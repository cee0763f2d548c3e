#!/bin/sh
# Configures and builds the translations with an lrelease on the PATH that is not Qt 6's,
# as on a desktop where qtchooser is installed; the build must not call it.
set -eu
source_dir=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
export PATH="$here/bin:$PATH"
cmake -S "$here" -B "$work" -G Ninja -DQUORVEL_SOURCE_DIR="$source_dir" >/dev/null
qms=
for ts in "$source_dir"/resources/i18n/*.ts; do
  qms="$qms resources/i18n/$(basename "$ts" .ts).qm"
done
# shellcheck disable=SC2086
(cd "$work" && ninja $qms)
missing=0
for qm in $qms; do
  if [ ! -s "$work/$qm" ]; then
    echo "not built: $qm" >&2
    missing=1
  fi
done
exit $missing

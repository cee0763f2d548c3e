#!/usr/bin/env bash
# Sets up, builds and runs Quorvel.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup-debian.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$top/build" --target quorvel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found; running on Qt's offscreen platform (nothing is shown, the log appears below; Ctrl+C ends it)"
  export QT_QPA_PLATFORM=offscreen
fi
exec "$top/build/quorvel" "$@"

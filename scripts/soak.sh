#!/usr/bin/env bash
# Runs the application offscreen for a long while with the bundled walk replayed at 50 times
# its pace, switching tabs every 2 seconds, and samples its resident memory and open file
# descriptors every 10 seconds; prints the samples and their slopes (least squares).
# Not part of test.sh.
#   QUORVEL_SOAK_MINUTES   how long (10)
#   QUORVEL_SOAK_SPEED     replay pace (50)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
minutes=${QUORVEL_SOAK_MINUTES:-10}
speed=${QUORVEL_SOAK_SPEED:-50}
build="$top/build-soak"
bash "$top/scripts/setup-debian.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
# The place index too (when the place data is there), so that localities are looked up.
cmake --build "$build" -j "$(nproc)" --target soak_app $(grep -q "QUORVEL_HAVE_PLACE_DATA:INTERNAL=ON" "$build/CMakeCache.txt" && echo place_index)

home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/quorvel"
cat >"$home/quorvel/device.ini" <<INI
[location]
source=replay:$top/resources/tracks/stare-mesto-walk.nmea
replay-speed=$speed
INI
chmod 600 "$home/quorvel/device.ini"
log="$build/soak.log"
XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" XDG_CACHE_HOME="$home" XDG_RUNTIME_DIR="$home" \
  QT_QPA_PLATFORM=offscreen QUORVEL_NETWORK=loopback "$build/soak_app" >"$log" 2>&1 &
pid=$!

samples="$build/soak-samples.tsv"
printf 'seconds\trss_kb\tfds\n' >"$samples"
start=$(date +%s)
end=$((start + minutes * 60))
while [ "$(date +%s)" -le "$end" ]; do
  kill -0 "$pid" 2>/dev/null || { echo "soak: the application ended early; see $log"; tail -20 "$log"; exit 1; }
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  fds=$(ls "/proc/$pid/fd" | wc -l)
  printf '%s\t%s\t%s\n' "$(( $(date +%s) - start ))" "$rss" "$fds" >>"$samples"
  sleep 10
done
kill -TERM "$pid"
wait "$pid" || true

python3 - "$samples" "$log" <<'PY'
import sys
rows = [l.split('\t') for l in open(sys.argv[1]).read().split('\n')[1:] if l]
minutes = [int(r[0]) / 60 for r in rows]
rss = [int(r[1]) for r in rows]
fds = [int(r[2]) for r in rows]

def slope(ts, ys):
    mt = sum(ts) / len(ts)
    my = sum(ys) / len(ys)
    return sum((a - mt) * (b - my) for a, b in zip(ts, ys)) / sum((a - mt) ** 2 for a in ts)

# The first minute is the start-up (the place index mapped, the screens built); the slope
# that tells a leak is the one after it.
warm = next(i for i, m in enumerate(minutes) if m >= 1)
half = len(rows) // 2
log = open(sys.argv[2], errors='replace').read()
print(f"soak: {len(rows)} samples over {minutes[-1]:.1f} min; tab switches {log.count('soak: tab')} "
      f"({log.count('by key')} by key); position updates {log.count('did update to location')}")
print(f"soak: resident memory {rss[0]} KB first, {rss[warm]} KB after a minute, {max(rss)} KB at most, "
      f"{rss[-1]} KB last; slope after the first minute {slope(minutes[warm:], rss[warm:]):+.1f} KB/min, "
      f"in the second half {slope(minutes[half:], rss[half:]):+.1f} KB/min")
print(f"soak: open descriptors {fds[0]} first, {fds[warm]} after a minute, {max(fds)} at most, {fds[-1]} last; "
      f"slope after the first minute {slope(minutes[warm:], fds[warm:]):+.2f}/min")
PY
echo "soak: samples in $samples, the application's log in $log"

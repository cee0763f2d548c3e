#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a short while on
# its checked-in seeds (fuzz/corpus/<target>/), printing libFuzzer's closing "Done N runs"
# line. A crash, a leak of time past the per-input limit or a failed invariant fails the run;
# the input that did it is kept in build-fuzz/artifacts/.
#   QUORVEL_FUZZ_SECONDS   seconds per target (30)
#   QUORVEL_FUZZ_TARGETS   which targets (all)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
seconds=${QUORVEL_FUZZ_SECONDS:-30}
targets=${QUORVEL_FUZZ_TARGETS:-"fuzz_store_document fuzz_placeholders fuzz_mail_message fuzz_device_settings fuzz_nmea fuzz_vcard fuzz_place_index"}

CXX=clang++ CC=clang cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_FUZZERS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzzers

# Per target: the largest input, and the time one input may take (the placeholder fill must
# stay linear on a quarter of a million characters).
declare -A max_len=([fuzz_nmea]=60000 [fuzz_placeholders]=16384 [fuzz_place_index]=65536)
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/artifacts"
status=0
for t in $targets; do
  seeds="$top/fuzz/corpus/${t#fuzz_}"
  [ -d "$seeds" ] || { echo "fuzz: no seeds for $t in $seeds"; status=1; continue; }
  # New inputs go to a scratch folder; the checked-in seeds stay as they are.
  work=$(mktemp -d)
  extra=()
  [ "$t" = fuzz_place_index ] && extra+=("$build/fuzz/place_index_seed")
  log="$build/artifacts/$t.log"
  if "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len="${max_len[$t]:-8192}" -artifact_prefix="$build/artifacts/$t-" \
       "$work" "$seeds" "${extra[@]}" >"$log" 2>&1; then
    echo "fuzz: $t: $(grep -E '^Done [0-9]+ runs' "$log" | tail -1)"
  else
    echo "fuzz: $t FAILED; the end of its output ($log):"
    tail -40 "$log"
    status=1
  fi
  rm -rf "$work"
done
exit $status

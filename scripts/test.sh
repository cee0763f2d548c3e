#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test;
# then builds the fuzzers with clang and runs each for 15 seconds (scripts/fuzz.sh;
# QUORVEL_FUZZ_SECONDS sets another time).
# Arguments go to ctest and make it a partial run, without the fuzzers (QUORVEL_FUZZ=1 runs
# them all the same); QUORVEL_FUZZ=0 leaves them out of a full run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup-debian.sh"
build="$top/build-test"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
# The memcheck test runs the program under valgrind, which cannot run a sanitized build: the
# program and its robot are built once more without sanitizers.
cmake -S "$top" -B "$top/build-lean" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$top/build-lean" -j "$(nproc)" --target screen_walk
# Qt and fontconfig keep caches until exit, which the leak checker would report as leaks.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" -j "$(nproc)" --output-on-failure "$@"
fuzz=${QUORVEL_FUZZ:-$([ $# -eq 0 ] && echo 1 || echo 0)}
if [ "$fuzz" = 1 ]; then
  QUORVEL_FUZZ_SECONDS=${QUORVEL_FUZZ_SECONDS:-15} bash "$top/scripts/fuzz.sh"
fi

#!/usr/bin/env bash
# Cold start of the application to its first painted frame (offscreen platform) beside a bare
# Qt window with four tabs: twelve interleaved starts of each, medians, time and peak resident
# memory with their ratios; then the same with the processor limited to a quarter of one core.
#   scripts/bench-startup.sh [BUILD_DIR] [--rounds=N] [--quota=PERCENT]
# BUILD_DIR (default build-bench) must hold a build configured with -DQUORVEL_BENCHMARKS=ON;
# scripts/bench.sh makes one. The limited pair needs a writable cgroup CPU controller (root).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-bench}"
[[ $# -gt 0 ]] && shift
targets=(bench_startup startup_app startup_bare)
# The application starts as an installed one would, with its place index beside it.
if ninja -C "$build" -t targets all 2>/dev/null | grep -q '^place_index:'; then
  targets+=(place_index)
fi
ninja -C "$build" "${targets[@]}" >/dev/null
export QT_QPA_PLATFORM=offscreen
"$build/bench/bench_startup" --app="$build/bench/startup_app" --bare="$build/bench/startup_bare" "$@"

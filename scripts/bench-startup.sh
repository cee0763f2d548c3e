#!/usr/bin/env bash
# Cold start of the application to its first painted frame (offscreen platform), median over
# ten starts with the peak resident memory, beside a bare Qt window with four tabs.
#   scripts/bench-startup.sh [BUILD_DIR] [benchmark flags...]
# BUILD_DIR (default build-bench) must hold a build configured with -DQUORVEL_BENCHMARKS=ON;
# scripts/bench.sh makes one.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-bench}"
[[ $# -gt 0 ]] && shift
ninja -C "$build" bench_startup startup_app startup_bare >/dev/null
export QT_QPA_PLATFORM=offscreen
"$build/bench/bench_startup" --app="$build/bench/startup_app" --bare="$build/bench/startup_bare" \
  --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"

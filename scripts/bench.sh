#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and runs them all, printing the figures:
# coordinate formats, placeholder filling and cold start.
#   scripts/bench.sh [benchmark flags for the first two...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
cd "$root"

# What the benchmarks need beyond the build itself (the setup script installs the rest),
# when something is missing and we may install it.
missing=()
for pkg in libbenchmark-dev $(grep -v '^#' scripts/packages/bench.txt); do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  else
    echo "Missing Debian packages (install them as root): ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
ninja -C "$build" -j2 bench_coords bench_placeholders bench_startup startup_app startup_bare

echo "== Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== Method: Release build; medians over the repetitions (5 for the formats and placeholders; 12 interleaved starts of each side for the cold start)"
echo
echo "== Coordinate formats"
"$build/bench/bench_coords" --golden="$root/bench/coords_golden.tsv" \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
echo
echo "== Placeholders"
"$build/bench/bench_placeholders" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
echo
echo "== Cold start"
"$root/scripts/bench-startup.sh" "$build"
